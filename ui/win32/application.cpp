#include "application.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <string_view>
#include <vector>

#include "form/command_line.h"
#include "form1.h"
#include "wide_text.h"

namespace quorvel::win32 {
namespace {

// Said on standard error when there is one (a console, a pipe, a log): a
// window program has no other place to say it.
void ReportNoWindow() {
  constexpr std::string_view kMessage =
      "quorvel: no window can be opened here (no desktop); "
      "use the console front end quorvel-cli instead.\r\n";
  const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
  if (error == nullptr || error == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(error, kMessage.data(), static_cast<DWORD>(kMessage.size()), &written, nullptr);
}

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(EncodeUtf8(FromWide(wide[i])));
  LocalFree(wide);
  return arguments;
}

}  // namespace

int RunApplication(HINSTANCE instance, int show_command) {
  // A service or a process started without a desktop has nowhere to show a
  // window; a message loop there would wait for ever.
  if (!GetProcessWindowStation() || !GetThreadDesktop(GetCurrentThreadId())) {
    ReportNoWindow();
    return kNoWindowExitCode;
  }
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);

  Form1 form(instance);
  if (!form.Create()) {
    ReportNoWindow();
    return kNoWindowExitCode;
  }
  form.LoadSettings(form::ChemistryAskedFor(CommandLineArguments()));
  // Another instance runs: the user has been told, and this one ends unseen,
  // with a status that says it did not run.
  if (!form.Controller().Form_Load()) return quorvel::form::kRefusedStartExitStatus;
  form.Show(show_command);
  return form.RunMessageLoop();
}

}  // namespace quorvel::win32
