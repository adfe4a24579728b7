#include "x_session.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace tickwell::testing {

namespace {

// Finds a display number with no server on it yet.
int freeDisplayNumber() {
  for (int n = 90; n < 190; ++n) {
    if (access(("/tmp/.X11-unix/X" + std::to_string(n)).c_str(), F_OK) != 0 &&
        access(("/tmp/.X" + std::to_string(n) + "-lock").c_str(), F_OK) != 0) {
      return n;
    }
  }
  throw std::runtime_error("no free X display number");
}

}  // namespace

XSession::XSession() : number_(freeDisplayNumber()) {
  server_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", ":" + std::to_string(number_), "-screen", "0", "1024x768x24", "-nolisten",
                               "tcp"},
      "/", std::vector<std::string>{}, "/dev/null");
  const std::string name = ":" + std::to_string(number_);
  for (int attempt = 0; attempt < 500 && !display_; ++attempt) {
    display_ = XOpenDisplay(name.c_str());
    if (!display_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!display_) throw std::runtime_error("Xvfb did not start");
}

XSession::~XSession() {
  if (display_) XCloseDisplay(display_);
  // Asked to end, Xvfb removes its lock file and socket; killed, it would leave them behind.
  server_->signal(SIGTERM);
  server_->waitForExit(std::chrono::seconds(5));
}

std::string XSession::titleOf(Window window) {
  XTextProperty property;
  std::string title;
  if (XGetWMName(display_, window, &property) && property.value) {
    title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
  }
  return title;
}

std::optional<Window> XSession::waitForWindow(const std::string& title, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
      std::optional<Window> found;
      for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.map_state == IsViewable &&
            titleOf(children[i]) == title) {
          found = children[i];
        }
      }
      if (children) XFree(children);
      if (found) return found;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return std::nullopt;
}

XRectangle XSession::clientGeometry(Window window) {
  XWindowAttributes attributes;
  XGetWindowAttributes(display_, window, &attributes);
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(attributes.width),
          static_cast<unsigned short>(attributes.height)};
}

void XSession::sendCloseRequest(Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}

void XSession::click(Window window, int x, int y) {
  const XRectangle client = clientGeometry(window);
  XTestFakeMotionEvent(display_, -1, client.x + x, client.y + y, CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, 30);
  XFlush(display_);
}

unsigned long XSession::pixel(Window window, int x, int y) {
  XImage* image = XGetImage(display_, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0;
  const unsigned long value = XGetPixel(image, 0, 0) & 0xffffff;
  XDestroyImage(image);
  return value;
}

}  // namespace tickwell::testing
