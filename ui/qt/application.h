#pragma once

#include <functional>

class QApplication;

namespace quorvel::ui {

class Form1;

// Points where a test driver may look in; the program itself passes none.
struct StartupHooks {
  std::function<void(QApplication&)> application_created;
  std::function<void(Form1&)> window_shown;
};

// Builds the window, runs its load handler and, unless another instance
// runs, shows it and runs the event loop. Returns the process exit status.
int RunApplication(int argc, char** argv, const StartupHooks& hooks = {});

}  // namespace quorvel::ui
