#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace quorvel_test {

struct CliOutcome {
  std::string out;
  std::string err;
  int status = -1;  // exit status; -1 when the program did not exit normally
};

// Runs quorvel-cli with `args`, feeding `input` on standard input, and waits
// for it to end. The child gets the test's environment without the variables
// that choose the messages' language, plus `environment` ("LANG=zh_CN.UTF-8"),
// so that the expected language does not depend on who runs the tests.
CliOutcome RunCli(const std::vector<std::string>& args, const std::string& input = "",
                  const std::vector<std::string>& environment = {});

// quorvel-cli reading standard input through a pipe, for checking that it
// answers each line before the next one arrives.
class CliPipe {
 public:
  explicit CliPipe(const std::vector<std::string>& args);
  ~CliPipe();
  CliPipe(const CliPipe&) = delete;
  CliPipe& operator=(const CliPipe&) = delete;

  void Write(const std::string& bytes);
  // One line of output without its LF; empty when none came within the time.
  std::string ReadLine(int timeout_ms);
  // Closes standard input and returns the exit status.
  int Finish();

 private:
  pid_t pid_ = -1;
  int to_child_ = -1;
  int from_child_ = -1;
  std::string pending_;
};

}  // namespace quorvel_test
