#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "case_name.h"
#include "quorvel/cpu/module1.h"
#include "quorvel/cpu/proc_stat.h"
#include "scratch_folder.h"

namespace quorvel::cpu {
namespace {

struct StatFileCase {
  std::string name;
  std::optional<std::string> content;  // empty: no file at all
  std::optional<std::uint32_t> processors;
};

class ProcStatSource : public testing::TestWithParam<StatFileCase> {};

TEST_P(ProcStatSource, FailsQueriesOnUnusableFiles) {
  const StatFileCase& c = GetParam();
  const quorvel_test::ScratchFolder folder("stat-" + c.name);
  const std::string path = folder.File("stat");
  if (c.content) std::ofstream(path, std::ios::binary) << *c.content;

  const auto source = MakeProcStatCounterSource(path);
  EXPECT_EQ(source->QueryProcessorCount(), c.processors);
  EXPECT_EQ(source->QueryIdleTime().has_value(), c.processors.has_value());

  Module1 module(*source);
  EXPECT_EQ(module.GetCpuUsage() == -1, !c.processors.has_value());
  if (!c.processors) {
    EXPECT_EQ(module.PrevIdleTime(), 0);
    EXPECT_EQ(module.PrevSystemTime(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProcStatSource,
    testing::Values(StatFileCase{"Readable", "cpu 1 2 3 4 5\ncpu0 1 2 3 4 5\ncpu1 0 0 0 0 0\n", 2},
                    StatFileCase{"Missing", std::nullopt, std::nullopt},
                    StatFileCase{"Empty", "", std::nullopt},
                    StatFileCase{"Unparsable", "cpu one two\n", std::nullopt}),
    CaseName<StatFileCase>);

TEST(ProcStatSource, DirectoryIsAFailedQuery) {
  const auto source = MakeProcStatCounterSource("/");
  EXPECT_EQ(source->QueryProcessorCount(), std::nullopt);
}

TEST(ProcStatSource, TimeCounterIsMonotonicIn100Ns) {
  const auto source = MakeProcStatCounterSource("/proc/stat");
  const std::optional<LargeCounter> before = source->QuerySystemTime();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const std::optional<LargeCounter> after = source->QuerySystemTime();
  ASSERT_TRUE(before && after);
  EXPECT_GE(*after - *before, 200'000);
  EXPECT_LT(*after - *before, 100'000'000);
}

}  // namespace
}  // namespace quorvel::cpu
