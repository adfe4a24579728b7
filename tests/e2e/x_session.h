#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "child_process.h"

namespace tickwell::testing {

// A private Xvfb server and a connection to it, for driving the real program from outside.
class XSession {
 public:
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  // "DISPLAY=:N", for the program's environment.
  std::string displayVariable() const { return "DISPLAY=:" + std::to_string(number_); }

  // The top-level window whose title is `title`, once it is mapped.
  std::optional<Window> waitForWindow(const std::string& title, std::chrono::milliseconds timeout);
  std::string titleOf(Window window);
  // The client area in root coordinates.
  XRectangle clientGeometry(Window window);
  // Asks the window to close, as a window manager's close button does.
  void sendCloseRequest(Window window);
  // A real left click at a point of the window's client area.
  void click(Window window, int x, int y);
  // The colour of one pixel of the window's client area, as 0xRRGGBB.
  unsigned long pixel(Window window, int x, int y);

 private:
  std::unique_ptr<ChildProcess> server_;
  int number_ = -1;
  Display* display_ = nullptr;
};

}  // namespace tickwell::testing
