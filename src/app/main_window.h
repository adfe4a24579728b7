#pragma once

#include <QWidget>

#include "app/ui_event.h"

namespace tickwell {

// The one top-level window: fixed client size, close and minimise only. Closing it only
// raises a close request; the loop decides when the window goes.
class MainWindow final : public QWidget {
 public:
  explicit MainWindow(UiEventQueue& events);

  static QString title();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  UiEventQueue& events_;
};

}  // namespace tickwell
