#pragma once

#include <functional>
#include <string>

namespace quorvel::ui {

// What the check asks, passed in so that every combination can be exercised:
// the environment, and whether a server answers at an address.
struct DisplayProbe {
  std::function<std::string(const char* name)> environment;  // "" when unset
  // An X server accepts a connection to `display`, a value of DISPLAY.
  std::function<bool(const std::string& display)> x11_answers;
  // A Wayland compositor accepts a connection on the socket at `path`.
  std::function<bool(const std::string& path)> wayland_answers;
};

// False when the window certainly cannot open: no window system that the
// toolkit would use answers. The program can then say so instead of letting
// the toolkit abort.
bool DisplayAvailable(const DisplayProbe& probe);
// The same, asked of the real servers. Always true where the window system
// is part of the operating system.
bool DisplayAvailable();
// Ends what the real check keeps open (its connection to the X server) once
// the toolkit is connected: see display_check_x11_wayland.cpp.
void ReleaseDisplayCheck();

}  // namespace quorvel::ui
