// The console reads bytes, not text: a line that is not UTF-8 gets a clear
// error and the lines around it are still answered.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "quorvel/pipeline.h"
#include "scratch_folder.h"
#include "test_support.h"

namespace {

using namespace std::string_literals;

const std::string kFailure(quorvel::FailureTextUtf8());

struct ConsoleRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the console with `input` on its standard input.
ConsoleRun RunConsole(const std::string& name, const std::string& input) {
  const quorvel_test::ScratchFolder folder("console-" + name);
  const std::string base = folder.File("run");
  {
    std::ofstream file(base + ".in", std::ios::binary);
    file << input;
  }
  const std::string command = std::string("'") + QUORVEL_CLI_PATH + "' < '" + base + ".in' > '" +
                              base + ".out' 2> '" + base + ".err'";
  const int raw = std::system(command.c_str());
  ConsoleRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = Slurp(base + ".out");
  run.err = Slurp(base + ".err");
  return run;
}

struct BytesRow {
  const char* name;
  std::string bad_line;
};

std::ostream& operator<<(std::ostream& out, const BytesRow& row) { return out << row.name; }

class ConsoleBytes : public testing::TestWithParam<BytesRow> {};

TEST_P(ConsoleBytes, AreReportedAndTheOtherLinesAnswered) {
  const BytesRow& row = GetParam();
  const ConsoleRun run =
      RunConsole(row.name, "H2+O2=H2O\n" + row.bad_line + "\nFe+O2=Fe2O3\nH2O\n");
  EXPECT_EQ(run.status, 2) << "invalid input sets the usage status";
  EXPECT_EQ(run.out, "2H2+O2=2H2O\n4Fe+3O2=2Fe2O3\n" + kFailure + "\n");
  EXPECT_NE(run.err.find("UTF-8"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find('2'), std::string::npos) << "names the line: " << run.err;
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one report: " << run.err;
}

INSTANTIATE_TEST_SUITE_P(Invalid, ConsoleBytes,
                         testing::Values(BytesRow{"stray_continuation_byte", "H2+O2=\x80H2O"},
                                         BytesRow{"gbk_bytes", "\xC7\xE2\xC6\xF8+O2=H2O"},
                                         BytesRow{"truncated_sequence", "H2+O2=H2O\xE6\xB0"},
                                         BytesRow{"overlong_slash",
                                                  "H2\xC0\xAF"
                                                  "O2=H2O"},
                                         BytesRow{"encoded_surrogate", "H2+O2=\xED\xA0\x80H2O"},
                                         BytesRow{"beyond_unicode", "\xF4\x90\x80\x80H2=H2"},
                                         BytesRow{"byte_ff", "\xFF\xFE"}),
                         quorvel_test::RowName());

// Valid bytes that merely look odd are equations like any other.
TEST(ConsoleBytesValid, NulAndControlCharactersAreAnswered) {
  const ConsoleRun run = RunConsole("nul", "H2+O2=H2O\0\nH\t2+O2=H2O\r\n"s);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "2H2+0O2=2H2O\0\n2H\t2+0O2=0H2O\n"s);
  EXPECT_EQ(run.err, "");
}

TEST(ConsoleBytesValid, MegabyteLineIsAnswered) {
  const ConsoleRun run =
      RunConsole("megabyte", std::string(1 << 20, ' ') + "H2 + O2 = H2O\n\xE6\xB0\xB4\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "2H2+O2=2H2O\n" + kFailure + "\n");
}

}  // namespace
