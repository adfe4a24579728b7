#pragma once

#include <QEvent>
#include <QObject>

namespace tickwell::testing {

// Counts the paint events a widget receives while it is installed as the widget's event filter.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace tickwell::testing
