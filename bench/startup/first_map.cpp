// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Measures a GUI program's start-up on an X display: starts it, waits until it maps its first
// top-level window, and prints the time taken and the program's peak resident memory.
//
// Usage: mensorator-first-map PROGRAM [ARGS...]
// Prints one line: "<milliseconds from start to the first mapped window> <peak RSS in KiB>
// <CPU milliseconds>", the CPU time (user and system) being less sensitive than the wall
// time to other load on the machine.
// The program is stopped a moment after its window shows, so the peak includes its first
// paint. It measures one run; bench/startup/run repeats it and takes the medians.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

// How long the program may paint after its window maps before it is stopped.
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr auto kTimeout = std::chrono::seconds(30);

bool WaitForMap(Display* display, std::chrono::steady_clock::time_point deadline) {
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

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: mensorator-first-map PROGRAM [ARGS...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("mensorator-first-map: cannot open the X display\n", stderr);
    return 2;
  }
  // Top-level windows are children of the root: their mapping is reported here.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  const bool mapped = WaitForMap(display, start + kTimeout);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  std::this_thread::sleep_for(kSettle);
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);
  if (!mapped) {
    std::fputs("mensorator-first-map: no window was mapped\n", stderr);
    return 1;
  }
  const auto milliseconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
  };
  std::printf("%.2f %ld %.2f\n", std::chrono::duration<double, std::milli>(elapsed).count(),
              usage.ru_maxrss, milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime));
  return 0;
}
