#include "cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace quorvel_test {
namespace {

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(what);
}

std::vector<char*> Argv(const std::vector<std::string>& args) {
  static std::string program = QUORVEL_CLI_PATH;
  std::vector<char*> argv{program.data()};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// Owns the strings that the child's environment points into.
class Environment {
 public:
  explicit Environment(const std::vector<std::string>& extra) {
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string_view text(*entry);
      const std::string_view name = text.substr(0, text.find('='));
      if (name != "LANGUAGE" && name != "LC_ALL" && name != "LC_MESSAGES" && name != "LANG") {
        entries_.emplace_back(text);
      }
    }
    entries_.insert(entries_.end(), extra.begin(), extra.end());
    for (std::string& entry : entries_) pointers_.push_back(entry.data());
    pointers_.push_back(nullptr);
  }

  char** get() { return pointers_.data(); }

 private:
  std::vector<std::string> entries_;
  std::vector<char*> pointers_;
};

int WaitFor(pid_t pid) {
  int wait_status = 0;
  Check(waitpid(pid, &wait_status, 0) == pid, "waitpid");
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
}

// An unlinked scratch file: it disappears with its descriptor.
int ScratchFile() {
  char name[] = "/tmp/quorvel-cli-test-XXXXXX";
  const int fd = mkstemp(name);
  Check(fd >= 0, "mkstemp");
  unlink(name);
  return fd;
}

std::string ReadAll(int fd) {
  Check(lseek(fd, 0, SEEK_SET) == 0, "lseek");
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

void WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    Check(wrote > 0, "write");
    done += static_cast<std::size_t>(wrote);
  }
}

}  // namespace

CliOutcome RunCli(const std::vector<std::string>& args, const std::string& input,
                  const std::vector<std::string>& environment) {
  const int in = ScratchFile();
  const int out = ScratchFile();
  const int err = ScratchFile();
  WriteAll(in, input);
  Check(lseek(in, 0, SEEK_SET) == 0, "lseek");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in, 0);
  posix_spawn_file_actions_adddup2(&actions, out, 1);
  posix_spawn_file_actions_adddup2(&actions, err, 2);
  std::vector<char*> argv = Argv(args);
  pid_t pid = -1;
  Environment child_environment(environment);
  const int spawned =
      posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), child_environment.get());
  posix_spawn_file_actions_destroy(&actions);
  Check(spawned == 0, "posix_spawn");

  CliOutcome outcome;
  outcome.status = WaitFor(pid);
  outcome.out = ReadAll(out);
  outcome.err = ReadAll(err);
  close(in);
  close(out);
  close(err);
  return outcome;
}

CliPipe::CliPipe(const std::vector<std::string>& args) {
  std::signal(SIGPIPE, SIG_IGN);  // a child that died must fail the test, not end it
  int in[2];
  int out[2];
  Check(pipe(in) == 0 && pipe(out) == 0, "pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, in[1]);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::vector<char*> argv = Argv(args);
  Environment child_environment({});
  const int spawned =
      posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), child_environment.get());
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  to_child_ = in[1];
  from_child_ = out[0];
  Check(spawned == 0, "posix_spawn");
}

CliPipe::~CliPipe() {
  if (to_child_ >= 0) close(to_child_);
  if (from_child_ >= 0) close(from_child_);
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

void CliPipe::Write(const std::string& bytes) { WriteAll(to_child_, bytes); }

std::string CliPipe::ReadLine(int timeout_ms) {
  for (;;) {
    const std::size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return line;
    }
    pollfd ready{from_child_, POLLIN, 0};
    if (poll(&ready, 1, timeout_ms) <= 0) return {};
    char buffer[4096];
    const ssize_t got = read(from_child_, buffer, sizeof buffer);
    if (got <= 0) return {};
    pending_.append(buffer, static_cast<std::size_t>(got));
  }
}

int CliPipe::Finish() {
  close(to_child_);
  to_child_ = -1;
  const int status = WaitFor(pid_);
  pid_ = -1;
  return status;
}

}  // namespace quorvel_test
