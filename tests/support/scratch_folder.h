#pragma once

// A folder of one test's own, under GoogleTest's temporary directory
// (TEST_TMPDIR, else TMPDIR, else /tmp), removed with everything in it when
// the test is done: nothing is left behind, and tests running at the same
// time on one machine never share a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace quorvel_test {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    std::random_device random;
    const std::filesystem::path parent(testing::TempDir());
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::filesystem::path candidate =
          parent / ("quorvel-" + name + "-" + std::to_string(random()));
      std::error_code error;
      // False without an error: the name is taken, try another.
      if (std::filesystem::create_directory(candidate, error)) {
        path_ = candidate;
        return;
      }
      if (error) throw std::runtime_error("cannot create " + candidate.string());
    }
    throw std::runtime_error("no free folder name under " + parent.string());
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The path of `file` inside the folder.
  std::string File(const std::string& file) const { return (path_ / file).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace quorvel_test
