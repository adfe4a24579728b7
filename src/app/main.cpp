#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/program.h"

namespace {

// Qt aborts when no display can be opened; say so in one line and exit 1 instead.
void quietUntilStarted(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type == QtFatalMsg) {
    std::fputs("tickwell: cannot open a display (is DISPLAY set?)\n", stderr);
    std::_Exit(1);
  }
}

}  // namespace

int main(int, char** argv) {
  // The command line is not read: Qt gets the program's name only.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  const QtMessageHandler standardHandler = qInstallMessageHandler(quietUntilStarted);
  QApplication application(qtArgc, qtArgv);
  qInstallMessageHandler(standardHandler);
  return tickwell::runTickwell();
}
