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

// The connection that answered stays open until the toolkit has its own: an
// X server with no other client (a fresh Xvfb) resets when its last client
// leaves, and a toolkit connecting during that reset is refused.
xcb_connection_t* held_connection = nullptr;

bool XServerAnswers(const std::string& display) {
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    xcb_disconnect(connection);
    return false;
  }
  if (held_connection != nullptr) xcb_disconnect(held_connection);
  held_connection = connection;
  return true;
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

void ReleaseDisplayCheck() {
  if (held_connection == nullptr) return;
  xcb_disconnect(held_connection);
  held_connection = nullptr;
}

}  // namespace quorvel::ui
