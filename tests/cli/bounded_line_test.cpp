// The chemistry mode's line reader: lines as std::getline gives them, but no
// more than a limit of each, the rest of a long line skipped.

#include "bounded_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct BoundedCase {
  const char* name;
  std::string input;
  std::size_t limit;
  std::vector<std::string> lines;
};

class BoundedLineTest : public testing::TestWithParam<BoundedCase> {};

TEST_P(BoundedLineTest, ReadsEachLineUpToTheLimit) {
  const BoundedCase& c = GetParam();
  std::istringstream in(c.input);
  std::vector<std::string> lines;
  std::string line;
  while (ReadBoundedLine(in, line, c.limit)) lines.push_back(line);
  EXPECT_EQ(lines, c.lines);
}

// Lines past the reader's 4096-byte chunks, to cross its seams.
const std::string kLong(10'000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, BoundedLineTest,
    testing::Values(
        BoundedCase{"empty_input", "", 10, {}},
        BoundedCase{"empty_lines", "\n\n", 10, {"", ""}},
        BoundedCase{"last_line_without_lf", "a\nb", 10, {"a", "b"}},
        BoundedCase{"cr_is_kept", "a\r\n", 10, {"a\r"}},
        BoundedCase{"exactly_the_limit", "abc\nd\n", 3, {"abc", "d"}},
        BoundedCase{"cut_and_next_read", "abcdef\nxy\n", 3, {"abc", "xy"}},
        BoundedCase{"cut_at_the_end", "abcdef", 3, {"abc"}},
        BoundedCase{"long_line_whole", kLong + "\nz\n", 20'000, {kLong, "z"}},
        BoundedCase{"long_line_cut", kLong + "\nz\n", 5000, {kLong.substr(0, 5000), "z"}},
        BoundedCase{"line_of_a_full_chunk", std::string(4095, 'y') + "\nz", 5000,
                    {std::string(4095, 'y'), "z"}},
        BoundedCase{"long_last_line", kLong, 20'000, {kLong}}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
