#include "app/main_window.h"

#include <QCloseEvent>
#include <QIcon>

#include "app/app_info.h"

namespace tickwell {

namespace {

QIcon programIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 256}) {
    icon.addFile(QStringLiteral(":/icons/tickwell-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

MainWindow::MainWindow(UiEventQueue& events)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      events_(events) {
  setWindowTitle(title());
  setWindowIcon(programIcon());
  setFixedSize(kClientWidth, kClientHeight);
  move(kWindowX, kWindowY);  // on a top-level this places the frame, title bar included
  // Holding the focus itself keeps Qt from focusing the first control when the window opens.
  setFocus(Qt::OtherFocusReason);
}

QString MainWindow::title() {
  return QString::fromLatin1(kTitlePrefix) + QString::fromLatin1(kVersionText);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  events_.push(UiEvent::closeRequest());
  event->ignore();
}

}  // namespace tickwell
