#pragma once

#include <QPoint>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

#include "app/control_id.h"
#include "app/program.h"
#include "detached_output.h"
#include "fake_ticks.h"

namespace tickwell::testing {

// The whole program, started as the desktop starts it but with a tick counter the test moves,
// a browser that only records the addresses it is given, and an output with no device.
class ProgramFixture : public ::testing::Test {
 protected:
  ProgramFixture() {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
  }
  ~ProgramFixture() override { program.shutdown(); }

  Controls& controls() { return program.controls(); }
  QWidget* widget(int id) { return controls().widget(id); }
  QWindow* windowHandle() { return program.window().windowHandle(); }

  // Where a point of a control lies in the window, for input through the real window.
  QPoint inWindow(int id, QPoint at) { return widget(id)->mapTo(&program.window(), at); }
  QPoint centreOf(int id) { return inWindow(id, widget(id)->rect().center()); }

  void click(int id) {
    QTest::mouseClick(windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(id));
    runPasses(4);
  }
  void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(windowHandle(), key, modifiers);
    runPasses(4);
  }
  void runPasses(int count) {
    for (int i = 0; i < count; ++i) program.runPass();
  }

  FakeTicks ticks;
  std::vector<QUrl> opened;
  Program program{ticks, [this](const QUrl& address) { opened.push_back(address); }, openDetachedOutput};
};

}  // namespace tickwell::testing
