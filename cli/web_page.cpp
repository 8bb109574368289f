#include "web_page.h"

#include <algorithm>
#include <system_error>

std::optional<std::filesystem::path> WebPage() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path program = fs::weakly_canonical(ProgramFile(), error);
  if (error || program.empty()) return std::nullopt;
  const fs::path installed = (program.parent_path() / QUORVEL_PAGE_FROM_PROGRAM).lexically_normal();
  if (fs::is_regular_file(installed, error)) return installed;
  // The build's own page only for the build's own program: an installed
  // copy never points back into a build tree.
  const fs::path build_dir = fs::weakly_canonical(QUORVEL_BUILD_DIR, error);
  if (error) return std::nullopt;
  const auto [end, rest] =
      std::mismatch(build_dir.begin(), build_dir.end(), program.begin(), program.end());
  if (end != build_dir.end()) return std::nullopt;
  const fs::path built = QUORVEL_BUILT_PAGE;
  if (fs::is_regular_file(built, error)) return built;
  return std::nullopt;
}
