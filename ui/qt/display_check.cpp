#include "display_check.h"

#include <string_view>

namespace quorvel::ui {
namespace {

bool X11Answers(const DisplayProbe& probe) {
  const std::string display = probe.environment("DISPLAY");
  return !display.empty() && probe.x11_answers(display);
}

// Where the Wayland client library itself connects.
bool WaylandAnswers(const DisplayProbe& probe) {
  // A socket handed over by the compositor is connected already, and trying
  // it would use it up.
  if (!probe.environment("WAYLAND_SOCKET").empty()) return true;
  std::string name = probe.environment("WAYLAND_DISPLAY");
  if (name.empty()) name = "wayland-0";
  if (name.front() == '/') return probe.wayland_answers(name);
  const std::string runtime = probe.environment("XDG_RUNTIME_DIR");
  return !runtime.empty() && probe.wayland_answers(runtime + "/" + name);
}

// A plugin may carry options after a colon ("xcb:..."). Plugins other than
// the two that need a server (offscreen, vnc, eglfs, ...) are the user's
// explicit choice and are not second-guessed.
bool PluginCanOpen(std::string_view plugin, const DisplayProbe& probe) {
  plugin = plugin.substr(0, plugin.find(':'));
  if (plugin == "xcb") return X11Answers(probe);
  if (plugin.starts_with("wayland")) return WaylandAnswers(probe);
  return !plugin.empty();
}

}  // namespace

bool DisplayAvailable(const DisplayProbe& probe) {
  const std::string plugins = probe.environment("QT_QPA_PLATFORM");
  if (plugins.empty()) return X11Answers(probe) || WaylandAnswers(probe);
  // The toolkit tries the plugins of a list such as "wayland;xcb" in turn.
  std::string_view rest = plugins;
  while (true) {
    const std::size_t end = rest.find(';');
    if (PluginCanOpen(rest.substr(0, end), probe)) return true;
    if (end == std::string_view::npos) return false;
    rest.remove_prefix(end + 1);
  }
}

}  // namespace quorvel::ui
