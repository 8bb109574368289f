#pragma once

#include <functional>
#include <string>

namespace quorvel::ui {

// Where the check looks: the environment and the file system, passed in so
// that every combination can be exercised.
struct DisplayProbe {
  std::function<std::string(const char* name)> environment;  // "" when unset
  std::function<bool(const std::string& path)> exists;
};

// False when the window certainly cannot open (no X11 or Wayland server to
// talk to), so the program can say so instead of letting the toolkit abort.
// Always true on platforms whose window system is not a separate server.
bool DisplayAvailable(const DisplayProbe& probe);
bool DisplayAvailable();

// The one line shown instead of the window.
inline constexpr const char* kNoDisplayMessage =
    "quorvel: no graphical display is available (no X11 or Wayland server); "
    "use the console front end quorvel-cli instead.";

}  // namespace quorvel::ui
