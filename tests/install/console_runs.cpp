// Runs of the console program under test. Every run lives in a job object, so
// a program that never ends is killed with everything it started and fails
// the test instead of hanging it.

#include "console_runs.h"

#include <memory>
#include <thread>
#include <vector>

#include "wide_text.h"

namespace {

constexpr DWORD kRunTimeoutMs = 60000;

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using Handle = std::unique_ptr<void, HandleCloser>;

struct Pipe {
  Handle read;
  Handle write;
};

// A pipe of which the started program inherits the read end, the write end
// or neither end (a pipe of the pseudo console's own).
enum class Inherited { kReadEnd, kWriteEnd, kNeither };

Pipe MakePipe(Inherited inherited) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return {};
  if (inherited != Inherited::kReadEnd) SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  if (inherited != Inherited::kWriteEnd) SetHandleInformation(write, HANDLE_FLAG_INHERIT, 0);
  return {Handle(read), Handle(write)};
}

// The test inputs are a few hundred bytes at most, well inside a pipe's
// buffer: written whole before the reader starts.
void WriteAll(HANDLE to, const std::string& bytes) {
  DWORD written = 0;
  WriteFile(to, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Collects a pipe's bytes on a thread of its own until every writer is gone.
class Collector {
 public:
  explicit Collector(HANDLE from)
      : thread_([this, from] {
          char buffer[4096];
          DWORD got = 0;
          while (ReadFile(from, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            text_.append(buffer, got);
          }
        }) {}
  std::string Finish() {
    thread_.join();
    return text_;
  }

 private:
  std::string text_;
  std::thread thread_;
};

// Starts `command` inside a job and returns what it wrote into `output` (the
// pipe holding its standard output) and its exit code.
ProgramRun Run(std::wstring command, STARTUPINFOW& startup, DWORD flags, Pipe& output) {
  const Handle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
  PROCESS_INFORMATION started{};
  const BOOL ok = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                                 flags | CREATE_SUSPENDED, nullptr, nullptr, &startup, &started);
  output.write.reset();
  if (!ok) return {};
  const Handle process(started.hProcess);
  const Handle thread(started.hThread);
  AssignProcessToJobObject(job.get(), process.get());
  ResumeThread(thread.get());

  Collector collector(output.read.get());
  ProgramRun run;
  if (WaitForSingleObject(process.get(), kRunTimeoutMs) != WAIT_OBJECT_0) {
    TerminateJobObject(job.get(), run.exit_code);
    WaitForSingleObject(process.get(), kRunTimeoutMs);
  }
  GetExitCodeProcess(process.get(), &run.exit_code);
  // Anything the program left running ends with the job, and with it the
  // last writer of the output.
  TerminateJobObject(job.get(), run.exit_code);
  run.output = collector.Finish();
  return run;
}

std::wstring ProgramCommand(const std::wstring& arguments) {
  return L"\"" + Wide(QUORVEL_CLI_EXE) + L"\" " + arguments;
}

}  // namespace

ProgramRun RunWithInput(const std::wstring& arguments, const std::string& input) {
  Pipe in = MakePipe(Inherited::kReadEnd);
  Pipe out = MakePipe(Inherited::kWriteEnd);
  WriteAll(in.write.get(), input);
  in.write.reset();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in.read.get();
  startup.hStdOutput = out.write.get();
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  return Run(ProgramCommand(arguments), startup, 0, out);
}

// The console is a pseudo console: it needs no window or display, and it
// turns the UTF-8 written into its input pipe into key events, one character
// each, as a keyboard or an input method makes them. The program is started
// by cmd, whose `chcp` sets the console's code page and whose `<CONIN$` hands
// the program the console's input (Wine gives a child of a pseudo console no
// console handles of its own).
ProgramRun RunTyped(const std::wstring& arguments, UINT code_page, const std::string& keys) {
  Pipe key_pipe = MakePipe(Inherited::kNeither);
  Pipe screen = MakePipe(Inherited::kNeither);
  HPCON console = nullptr;
  if (FAILED(CreatePseudoConsole(COORD{120, 25}, key_pipe.read.get(), screen.write.get(), 0,
                                 &console))) {
    return {};
  }
  key_pipe.read.reset();
  screen.write.reset();
  // The console's screen (the echo of what was typed) is read and dropped,
  // so that the console never waits for room to draw.
  Collector screen_reader(screen.read.get());
  WriteAll(key_pipe.write.get(), keys);
  // Made after the console, so that the console's own process cannot hold
  // the program's output open.
  Pipe out = MakePipe(Inherited::kWriteEnd);

  SIZE_T size = 0;
  InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
  std::vector<char> attribute_memory(size);
  auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attribute_memory.data());
  InitializeProcThreadAttributeList(attributes, 1, 0, &size);
  UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_PSEUDOCONSOLE, console,
                            sizeof console, nullptr, nullptr);
  STARTUPINFOEXW startup{};
  startup.StartupInfo.cb = sizeof startup;
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
  startup.StartupInfo.hStdOutput = out.write.get();
  startup.StartupInfo.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.lpAttributeList = attributes;
  const std::wstring command = L"cmd.exe /d /c chcp " + std::to_wstring(code_page) + L">NUL&" +
                               ProgramCommand(arguments) + L"<CONIN$";
  ProgramRun run = Run(command, startup.StartupInfo, EXTENDED_STARTUPINFO_PRESENT, out);
  DeleteProcThreadAttributeList(attributes);
  ClosePseudoConsole(console);
  screen_reader.Finish();
  return run;
}
