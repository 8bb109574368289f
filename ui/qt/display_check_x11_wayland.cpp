// Asks the X server and the Wayland compositor themselves, the way the
// toolkit will: an X server reachable only through its abstract socket, over
// TCP or in a container without /tmp/.X11-unix is found all the same.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include "display_check.h"

namespace quorvel::ui {
namespace {

bool XServerAnswers(const std::string& display) {
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool answered = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answered;
}

bool SocketAnswers(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket < 0) return false;
  const bool answered =
      ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(socket);
  return answered;
}

}  // namespace

bool DisplayAvailable() {
  const DisplayProbe probe{[](const char* name) {
                             const char* value = std::getenv(name);
                             return std::string(value ? value : "");
                           },
                           XServerAnswers, SocketAnswers};
  return DisplayAvailable(probe);
}

}  // namespace quorvel::ui
