// Starts a program on the X server named by DISPLAY and reports, in milliseconds from
// just before the fork, when its window titled with a given text was mapped and when
// the program first drew into it, then its peak resident memory. Works on a bare
// server (Xvfb), where top-level windows stay children of the root window, and under
// a window manager, which takes each new top-level window into a frame of its own
// before mapping it: every window created under the root is watched for its own
// mapping, wherever it is by then.
//
//   measure_startup [--title TEXT] [--settle MS] [--timeout S] -- PROGRAM [ARGS...]
//
// Prints one line: map_ms=... paint_ms=... peak_kib=...; exits 2 on a timeout.
#include <fcntl.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

std::string Title(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8) {
  for (const auto& [property, type] :
       {std::pair{netWmName, utf8},
        std::pair<xcb_atom_t, xcb_atom_t>{XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr);
    if (reply == nullptr) continue;
    const int length = xcb_get_property_value_length(reply);
    std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                      static_cast<std::size_t>(length));
    std::free(reply);
    if (!title.empty()) return title;
  }
  return {};
}

long PeakKib(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

bool WaitForExit(pid_t pid, double seconds) {
  const Clock::time_point start = Clock::now();
  while (MillisecondsSince(start) < seconds * 1000) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
    usleep(2000);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string wanted;
  double settleMs = 300;
  double timeoutS = 20;
  int first = 1;
  for (; first < argc; ++first) {
    const std::string arg = argv[first];
    if (arg == "--") {
      ++first;
      break;
    }
    if (first + 1 >= argc) break;
    if (arg == "--title")
      wanted = argv[++first];
    else if (arg == "--settle")
      settleMs = std::atof(argv[++first]);
    else if (arg == "--timeout")
      timeoutS = std::atof(argv[++first]);
  }
  if (first >= argc) {
    std::fprintf(stderr,
                 "usage: measure_startup [--title T] [--settle MS] [--timeout S] -- PROGRAM...\n");
    return 64;
  }

  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "measure_startup: cannot open the display\n");
    return 1;
  }
  const xcb_setup_t* setup = xcb_get_setup(c);
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
  for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
  const xcb_window_t root = screens.data->root;
  free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
  if (damage == nullptr || !damage->present) {
    std::fprintf(stderr, "measure_startup: the server has no DAMAGE extension\n");
    return 1;
  }
  const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME");
  const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
  const xcb_atom_t wmProtocols = Atom(c, "WM_PROTOCOLS");
  const xcb_atom_t wmDelete = Atom(c, "WM_DELETE_WINDOW");
  // Every window created or mapped under the root is seen from here on.
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);

  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execvp(argv[first], argv + first);
    _exit(127);
  }

  double mapMs = -1;
  double paintMs = -1;
  xcb_window_t target = XCB_WINDOW_NONE;
  std::set<xcb_window_t> watched;
  const int fd = xcb_get_file_descriptor(c);
  while (paintMs < 0 && MillisecondsSince(start) < timeoutS * 1000) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
      const uint8_t type = event->response_type & 0x7f;
      if (type == XCB_CREATE_NOTIFY) {
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (created->parent == root && !created->override_redirect) {
          // Watch its drawing from the moment it exists, and its mapping wherever a
          // window manager puts it.
          xcb_damage_create(c, xcb_generate_id(c), created->window,
                            XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
          const uint32_t structure = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
          xcb_change_window_attributes(c, created->window, XCB_CW_EVENT_MASK, &structure);
          watched.insert(created->window);
          xcb_flush(c);
        }
      } else if (type == XCB_MAP_NOTIFY) {
        const auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (target == XCB_WINDOW_NONE && watched.count(mapped->window) != 0 &&
            Title(c, mapped->window, netWmName, utf8).find(wanted) != std::string::npos) {
          target = mapped->window;
          mapMs = MillisecondsSince(start);
        }
      } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
        const auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        if (target != XCB_WINDOW_NONE && drawn->drawable == target && paintMs < 0) {
          paintMs = MillisecondsSince(start);
        }
      }
      std::free(event);
    }
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "measure_startup: the program ended before drawing its window\n");
      return 3;
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval wait{0, 5000};
    select(fd + 1, &readable, nullptr, nullptr, &wait);
  }

  usleep(static_cast<useconds_t>(settleMs * 1000));
  const long peak = PeakKib(pid);
  std::printf("map_ms=%.2f paint_ms=%.2f peak_kib=%ld\n", mapMs, paintMs, peak);

  // Close the window as a user would, then insist.
  if (target != XCB_WINDOW_NONE) {
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = target;
    close.type = wmProtocols;
    close.data.data32[0] = wmDelete;
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, target, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
    xcb_flush(c);
  }
  if (!WaitForExit(pid, 5)) {
    kill(-pid, SIGTERM);
    if (!WaitForExit(pid, 2)) {
      kill(-pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
  xcb_disconnect(c);
  return paintMs < 0 ? 2 : 0;
}
