#include "display_check.h"

#include <cstdlib>
#include <filesystem>

namespace quorvel::ui {
namespace {

// ":0", ":0.1", "unix:0" name the local server whose socket is
// /tmp/.X11-unix/X0; any other form (host:0, a launchd path) cannot be checked
// cheaply and is trusted.
bool X11Reachable(const DisplayProbe& probe) {
  const std::string display = probe.environment("DISPLAY");
  if (display.empty()) return false;
  std::string rest;
  if (display.front() == ':') {
    rest = display.substr(1);
  } else if (display.rfind("unix:", 0) == 0) {
    rest = display.substr(5);
  } else {
    return true;
  }
  const std::string number = rest.substr(0, rest.find('.'));
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return true;
  return probe.exists("/tmp/.X11-unix/X" + number);
}

bool WaylandReachable(const DisplayProbe& probe) {
  const std::string name = probe.environment("WAYLAND_DISPLAY");
  if (name.empty()) return false;
  if (name.front() == '/') return probe.exists(name);
  const std::string runtime = probe.environment("XDG_RUNTIME_DIR");
  if (runtime.empty()) return true;
  return probe.exists(runtime + "/" + name);
}

}  // namespace

bool DisplayAvailable(const DisplayProbe& probe) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)probe;
  return true;
#else
  const std::string platform = probe.environment("QT_QPA_PLATFORM");
  // An explicitly chosen plugin is the user's business, except the two that
  // need a server.
  if (platform.rfind("xcb", 0) == 0) return X11Reachable(probe);
  if (platform.rfind("wayland", 0) == 0) return WaylandReachable(probe);
  if (!platform.empty()) return true;
  return X11Reachable(probe) || WaylandReachable(probe);
#endif
}

bool DisplayAvailable() {
  const DisplayProbe probe{[](const char* name) {
                             const char* value = std::getenv(name);
                             return std::string(value ? value : "");
                           },
                           [](const std::string& path) {
                             std::error_code error;
                             return std::filesystem::exists(path, error);
                           }};
  return DisplayAvailable(probe);
}

}  // namespace quorvel::ui
