#include <QIcon>
#include <QPointer>
#include <QTimer>

#include "paint_counter.h"
#include "program_fixture.h"

namespace tickwell {
namespace {

using WindowTest = testing::ProgramFixture;

TEST_F(WindowTest, HasItsTitleFixedClientAreaPlacementFrameAndIcon) {
  QWidget& window = program.window();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tickwell V1.0"));
  EXPECT_EQ(window.size(), QSize(300, 280));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the user cannot resize it";
  EXPECT_EQ(window.pos(), QPoint(200, 200));
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  const QList<QSize> iconSizes = window.windowIcon().availableSizes();
  for (const int side : {16, 32, 48, 256}) EXPECT_TRUE(iconSizes.contains(QSize(side, side))) << side;
}

TEST_F(WindowTest, ACloseRequestEndsTheLoopAfterOneMoreClockPassAndLeavesTheWindowUp) {
  program.clock().start(ticks.now());  // a beat is due in the very next pass
  EXPECT_FALSE(program.window().close()) << "the request must not close the window";
  EXPECT_TRUE(program.window().isVisible());
  program.run();
  EXPECT_TRUE(program.quitRequested());
  EXPECT_EQ(program.clock().beat(), 1) << "the closing pass ran the clock";
  EXPECT_TRUE(program.window().isVisible()) << "only shutdown closes the window";
}

TEST_F(WindowTest, EscapeAndEnterCloseNothing) {
  for (const Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) key(k);
  EXPECT_FALSE(program.quitRequested());
  EXPECT_TRUE(program.window().isVisible());
}

TEST_F(WindowTest, EachPassDeliversPostedEventsDeferredDeletesAndRepaints) {
  bool timerFired = false;
  QTimer::singleShot(0, &program.window(), [&] { timerFired = true; });
  QPointer<QObject> doomed = new QObject;
  doomed->deleteLater();

  testing::PaintCounter counter;
  program.window().installEventFilter(&counter);
  program.window().update();  // as when another window uncovers it
  runPasses(3);
  program.window().removeEventFilter(&counter);

  EXPECT_TRUE(timerFired);
  EXPECT_TRUE(doomed.isNull());
  EXPECT_GT(counter.paints, 0);
}

}  // namespace
}  // namespace tickwell
