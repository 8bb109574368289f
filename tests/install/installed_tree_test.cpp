// The tree `cmake --install` lays down (staged under QUORVEL_STAGE_DIR with
// the prefix /usr): every file a user and the desktop need, valid for the
// tools that read them, all naming the one application id, and programs that
// run from where they were installed.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "icon_file.h"
#include "quorvel/version.h"

namespace quorvel::install_test {
namespace {

const std::string kPrefix = std::string(QUORVEL_STAGE_DIR) + "/usr";
const std::string kAppId = QUORVEL_APP_ID;
constexpr bool kHasWindow = QUORVEL_HAS_WINDOW != 0;

const std::string kDesktopFile = "share/applications/" + kAppId + ".desktop";
const std::string kMetainfoFile = "share/metainfo/" + kAppId + ".metainfo.xml";
const std::string kManPage = "share/man/man1/quorvel-cli.1.gz";

std::string ThemeIcon(const std::string& size, const std::string& extension) {
  return "share/icons/hicolor/" + size + "/apps/" + kAppId + extension;
}

struct CommandResult {
  std::string output;
  int exit_code = -1;
};

// Runs a shell command and returns what it wrote to stdout and stderr.
CommandResult RunCommand(const std::string& command) {
  CommandResult run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  std::size_t got = 0;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    run.output.append(buffer.data(), got);
  const int status = pclose(pipe);
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

enum class Kind { kProgram, kText, kPng, kSvg, kGzip };

struct InstalledFile {
  const char* name;
  std::string path;
  Kind kind;
  unsigned png_size = 0;
  bool window_only = false;
};

void PrintTo(const InstalledFile& row, std::ostream* out) { *out << row.path; }

class InstalledFileTest : public testing::TestWithParam<InstalledFile> {};

TEST_P(InstalledFileTest, IsPresentAndOfItsKind) {
  const InstalledFile& file = GetParam();
  if (file.window_only && !kHasWindow) GTEST_SKIP() << "the window is not built";
  const std::string path = kPrefix + "/" + file.path;
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0) << path << " is missing";
  ASSERT_TRUE(S_ISREG(info.st_mode));
  ASSERT_GT(info.st_size, 0);
  EXPECT_EQ(info.st_mode & S_IWOTH, 0u) << "writable by everyone";
  const auto bytes = ReadWholeFile(path);
  ASSERT_TRUE(bytes);
  switch (file.kind) {
    case Kind::kProgram:
      EXPECT_NE(info.st_mode & S_IXOTH, 0u) << "not executable";
      EXPECT_EQ(bytes->substr(0, 4),
                "\x7f"
                "ELF");
      break;
    case Kind::kText:
      EXPECT_EQ(info.st_mode & S_IXUSR, 0u);
      break;
    case Kind::kPng: {
      const auto header = ReadPngHeader(*bytes);
      ASSERT_TRUE(header) << "not a PNG";
      EXPECT_EQ(header->width, file.png_size);
      EXPECT_EQ(header->height, file.png_size);
      break;
    }
    case Kind::kSvg:
      EXPECT_NE(bytes->find("<svg"), std::string::npos);
      EXPECT_NE(bytes->find("viewBox=\"0 0 256 256\""), std::string::npos) << "not square";
      break;
    case Kind::kGzip:
      EXPECT_EQ(bytes->substr(0, 2), "\x1f\x8b");
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tree, InstalledFileTest,
    testing::Values(InstalledFile{"console_program", "bin/quorvel-cli", Kind::kProgram},
                    InstalledFile{"window_program", "bin/quorvel", Kind::kProgram, 0, true},
                    InstalledFile{"desktop_entry", kDesktopFile, Kind::kText, 0, true},
                    InstalledFile{"metainfo", kMetainfoFile, Kind::kText, 0, true},
                    InstalledFile{"icon_16", ThemeIcon("16x16", ".png"), Kind::kPng, 16, true},
                    InstalledFile{"icon_32", ThemeIcon("32x32", ".png"), Kind::kPng, 32, true},
                    InstalledFile{"icon_48", ThemeIcon("48x48", ".png"), Kind::kPng, 48, true},
                    InstalledFile{"icon_256", ThemeIcon("256x256", ".png"), Kind::kPng, 256, true},
                    InstalledFile{"icon_scalable", ThemeIcon("scalable", ".svg"), Kind::kSvg, 0,
                                  true},
                    InstalledFile{"manual_page", kManPage, Kind::kGzip}),
    [](const testing::TestParamInfo<InstalledFile>& row) { return std::string(row.param.name); });

// The validators the desktop's own tools apply. Any message at all fails:
// warnings today are refusals in the next version of the tool.
struct Validation {
  const char* name;
  std::string tool;
  std::string command;  // {tool} for the validator, {} for the file
  std::string path;
  bool window_only;
};

void PrintTo(const Validation& row, std::ostream* out) { *out << row.name; }

class ValidationTest : public testing::TestWithParam<Validation> {};

TEST_P(ValidationTest, PassesWithoutComplaint) {
  const Validation& check = GetParam();
  if (check.window_only && !kHasWindow) GTEST_SKIP() << "the window is not built";
  if (check.tool.empty()) GTEST_SKIP() << "validator not installed";
  std::string command = check.command;
  command.replace(command.find("{tool}"), 6, Quoted(check.tool));
  command.replace(command.find("{}"), 2, Quoted(kPrefix + "/" + check.path));
  const CommandResult run = RunCommand(command);
  EXPECT_EQ(run.exit_code, 0) << run.output;
  if (std::string(check.name) == "metainfo") {
    EXPECT_EQ(run.output.find("W:"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("E:"), std::string::npos) << run.output;
  } else {
    EXPECT_EQ(run.output, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tools, ValidationTest,
    testing::Values(Validation{"desktop_entry", QUORVEL_DESKTOP_FILE_VALIDATE, "{tool} {}",
                               kDesktopFile, true},
                    Validation{"metainfo", QUORVEL_APPSTREAMCLI,
                               "{tool} validate --no-net --pedantic {}", kMetainfoFile, true},
                    // groff reads the page as man(1) would and reports every
                    // macro or escape it does not understand.
                    Validation{"manual_page", QUORVEL_GROFF,
                               "gzip -dc {} | {tool} -man -ww -z -Tutf8", kManPage, false}),
    [](const testing::TestParamInfo<Validation>& row) { return std::string(row.param.name); });

// Each file names the others by the one id; a typo in any of them leaves the
// menu without an icon or the software centre without the program.
struct Reference {
  const char* name;
  std::string path;
  std::string text;
};

void PrintTo(const Reference& row, std::ostream* out) { *out << row.name; }

class ReferenceTest : public testing::TestWithParam<Reference> {};

TEST_P(ReferenceTest, IsPresent) {
  if (!kHasWindow) GTEST_SKIP() << "the window is not built";
  const auto bytes = ReadWholeFile(kPrefix + "/" + GetParam().path);
  ASSERT_TRUE(bytes);
  EXPECT_NE(bytes->find(GetParam().text), std::string::npos) << "missing: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    OneId, ReferenceTest,
    testing::Values(
        Reference{"desktop_icon_is_the_theme_icon", kDesktopFile, "\nIcon=" + kAppId + "\n"},
        Reference{"desktop_starts_the_window", kDesktopFile, "\nExec=quorvel\n"},
        Reference{"metainfo_id", kMetainfoFile, "<id>" + kAppId + "</id>"},
        Reference{"metainfo_launches_the_desktop_entry", kMetainfoFile,
                  "<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"},
        Reference{"metainfo_names_the_window_program", kMetainfoFile, "<binary>quorvel</binary>"},
        Reference{"metainfo_release_is_this_version", kMetainfoFile,
                  std::string("<release version=\"") + QUORVEL_VERSION_TEXT + "\""}),
    [](const testing::TestParamInfo<Reference>& row) { return std::string(row.param.name); });

TEST(InstalledManualPage, CarriesThisVersion) {
  const CommandResult run =
      RunCommand("gzip -dc " + Quoted(kPrefix + "/" + kManPage) + " | head -n 1");
  EXPECT_NE(run.output.find(std::string("Quorvel ") + QUORVEL_VERSION_TEXT), std::string::npos)
      << run.output;
}

// The installed console program runs from its new place (no path back into
// the build tree) and reads non-ASCII input.
struct ConsoleRun {
  const char* name;
  std::string arguments;
  std::string output;
  int exit_code;
};

void PrintTo(const ConsoleRun& row, std::ostream* out) { *out << row.name; }

class InstalledConsoleTest : public testing::TestWithParam<ConsoleRun> {};

TEST_P(InstalledConsoleTest, Answers) {
  const CommandResult run =
      RunCommand(Quoted(kPrefix + "/bin/quorvel-cli") + " " + GetParam().arguments);
  EXPECT_EQ(run.output, GetParam().output);
  EXPECT_EQ(run.exit_code, GetParam().exit_code);
}

INSTANTIATE_TEST_SUITE_P(
    Installed, InstalledConsoleTest,
    testing::Values(ConsoleRun{"version", "--version",
                               std::string("quorvel-cli ") + QUORVEL_VERSION_TEXT + "\n", 0},
                    ConsoleRun{"full_width_plus", "'Fe＋O2=Fe2O3'", "4Fe+3O2=2Fe2O3\n", 0},
                    ConsoleRun{"chinese_text_fails_in_chinese", "'甲+乙=丙'",
                               "方程式配平失败！可能是输入错误或输入的方程式太复杂导致！\n", 1}),
    [](const testing::TestParamInfo<ConsoleRun>& row) { return std::string(row.param.name); });

// The installed program names the installed page, never the build's.
TEST(InstalledWebPage, IsTheOneQuorvelCliNames) {
  const std::string page = kPrefix + "/share/quorvel/quorvel.html";
  struct stat info {};
  const CommandResult run = RunCommand(Quoted(kPrefix + "/bin/quorvel-cli") + " --web");
  if (stat(page.c_str(), &info) != 0) {
    EXPECT_EQ(run.exit_code, 1) << run.output;  // built without the page (make web)
  } else {
    EXPECT_EQ(run.output, page + "\n");
    EXPECT_EQ(run.exit_code, 0);
  }
}

}  // namespace
}  // namespace quorvel::install_test
