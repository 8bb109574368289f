// quorvel: the equation-balancing window.
#include <windows.h>

#include "application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command_line*/,
                    int show_command) {
  return quorvel::win32::RunApplication(instance, show_command);
}
