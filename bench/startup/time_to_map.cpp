// Starts a program and waits until it maps its first top-level window on the X server in
// DISPLAY. Prints "<milliseconds to map> <resident KiB at map>" and ends the program.
// Usage: time_to_map PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Waits for a MapNotify on the root window, up to timeoutSeconds.
bool WaitForMap(Display* display, int timeoutSeconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  const int fd = ConnectionNumber(display);
  while (std::chrono::steady_clock::now() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) return true;
    }
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(fd, &fds);
    timeval tick{0, 1000};
    select(fd + 1, &fds, nullptr, nullptr, &tick);
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "time_to_map: cannot open the display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  const bool mapped = WaitForMap(display, 30);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const long rss = ResidentKiB(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  if (!mapped) {
    std::fprintf(stderr, "time_to_map: %s mapped no window\n", argv[1]);
    return 1;
  }
  std::printf("%.2f %ld\n", std::chrono::duration<double, std::milli>(elapsed).count(), rss);
  return 0;
}
