#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include "app/app_info.h"
#include "app/indicator_view.h"
#include "program_fixture.h"

namespace tickwell {
namespace {

using ActionsTest = testing::ProgramFixture;

struct TempoCase {
  const char* name;
  int startTempo;
  std::vector<int> presses;
  int endTempo;
};

class TempoButtonsTest : public testing::ProgramFixture, public ::testing::WithParamInterface<TempoCase> {};

TEST_P(TempoButtonsTest, MoveTheSliderAndTakeDisplayAndClockFromIt) {
  const TempoCase& c = GetParam();
  controls().setControlState(TempoSlider, c.startTempo);
  controls().setControlText(TempoDisplay, QStringLiteral("stale"));
  for (const int button : c.presses) click(button);
  EXPECT_EQ(controls().getControlState(TempoSlider), c.endTempo);
  EXPECT_EQ(controls().getControlText(TempoDisplay), QString::number(c.endTempo)) << "each press rewrites it";
  EXPECT_EQ(program.clock().tempo(), c.endTempo);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TempoButtonsTest,
    ::testing::Values(TempoCase{"PlusFiveStopsAt250", 248, {PlusFiveButton}, 250},
                      TempoCase{"PlusFiveAt250Stays", 248, {PlusFiveButton, PlusFiveButton}, 250},
                      TempoCase{"MinusTenAt40Stays", 40, {MinusTenButton}, 40},
                      TempoCase{"DownAndBackUp", 120, {MinusFiveButton, MinusFiveButton, PlusTenButton}, 120},
                      TempoCase{"EachStep", 100, {MinusTenButton, PlusFiveButton, PlusTenButton, PlusTenButton}, 115}),
    [](const auto& info) { return info.param.name; });

TEST_F(ActionsTest, DraggingTheSliderSetsTheTempoAtEveryStep) {
  auto* slider = static_cast<QSlider*>(widget(TempoSlider));
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = slider->sliderPosition();
  option.orientation = Qt::Horizontal;
  const QRect thumb = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
  QPoint at = inWindow(TempoSlider, thumb.center());

  QTest::mousePress(windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
  runPasses(2);
  std::set<int> tempos;
  for (int step = 0; step < 6; ++step) {
    at += QPoint(12, 0);
    QTest::mouseMove(windowHandle(), at);
    runPasses(2);
    EXPECT_EQ(controls().getControlText(TempoDisplay), QString::number(slider->value()));
    EXPECT_EQ(program.clock().tempo(), slider->value());
    tempos.insert(slider->value());
  }
  QTest::mouseRelease(windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
  runPasses(2);
  EXPECT_EQ(tempos.size(), 6u) << "the tempo followed every step of the drag";
  EXPECT_GT(program.clock().tempo(), 120);
}

TEST_F(ActionsTest, AKeyOnTheFocusedSliderMovesTheTempo) {
  widget(TempoSlider)->setFocus();
  key(Qt::Key_Right);
  EXPECT_EQ(program.clock().tempo(), 121);
  EXPECT_EQ(controls().getControlText(TempoDisplay), QStringLiteral("121"));
}

TEST_F(ActionsTest, ATempoChangeWhileRunningGovernsTheNextDueTest) {
  click(StartStopButton);
  ASSERT_EQ(program.clock().beat(), 1);
  controls().setControlState(TempoSlider, 92);
  click(PlusFiveButton);
  EXPECT_EQ(controls().getControlText(TempoDisplay), QStringLiteral("97"));
  EXPECT_EQ(program.clock().beatInterval(), 618);
  ticks.advance(617);
  runPasses(1);
  EXPECT_EQ(program.clock().beat(), 1);
  ticks.advance(1);
  runPasses(1);
  EXPECT_EQ(program.clock().beat(), 2);
}

const IndicatorPicture* shownPicture(Controls& controls) {
  return static_cast<IndicatorView*>(controls.widget(BeatIndicator))->picture();
}

TEST_F(ActionsTest, StartClicksAtOnceAndFlashesStopShowsTheSpeakerOff) {
  QTest::mouseClick(windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(StartStopButton));
  program.runPass();  // the pass that carries the press also runs the first beat
  EXPECT_EQ(controls().getControlText(StartStopButton), QStringLiteral("Stop"));
  EXPECT_TRUE(program.clock().isRunning());
  EXPECT_EQ(program.clock().beat(), 1);
  EXPECT_EQ(shownPicture(controls()), program.images().slotPicture(kSpeakerOnSlot));

  ticks.advance(250);
  runPasses(1);
  EXPECT_EQ(shownPicture(controls()), program.images().slotPicture(kSpeakerOffSlot));
  ticks.advance(250);
  runPasses(1);
  EXPECT_EQ(program.clock().beat(), 2);
  EXPECT_EQ(shownPicture(controls()), program.images().slotPicture(kSpeakerOnSlot));

  click(StartStopButton);
  EXPECT_EQ(controls().getControlText(StartStopButton), QStringLiteral("Start"));
  EXPECT_FALSE(program.clock().isRunning());
  EXPECT_EQ(shownPicture(controls()), program.images().slotPicture(kSpeakerOffSlot));
}

TEST_F(ActionsTest, EachBeatPlaysTheChosenSoundsAccentOrNormalClick) {
  controls().setControlState(SoundList, 1);  // "Stick Click"
  click(StartStopButton);
  for (int beat = 2; beat <= 5; ++beat) {
    ticks.advance(500);
    runPasses(1);
  }
  EXPECT_EQ(program.clicks().voiceCount(1), 2u) << "beats 1 and 5";
  EXPECT_EQ(program.clicks().voiceCount(11), 3u) << "beats 2, 3 and 4";

  controls().setControlState(SoundList, 2);  // "Dink Sound", while running
  ticks.advance(500);
  runPasses(1);
  EXPECT_EQ(program.clicks().voiceCount(12), 1u) << "the very next click";
  EXPECT_EQ(program.clicks().voiceCount(11), 3u);
}

TEST_F(ActionsTest, StartAndStopWithinOneBeatEndOnTheSpeakerOff) {
  click(StartStopButton);
  ticks.advance(100);
  click(StartStopButton);
  ticks.advance(1000);
  runPasses(3);
  EXPECT_EQ(controls().getControlText(StartStopButton), QStringLiteral("Start"));
  EXPECT_EQ(shownPicture(controls()), program.images().slotPicture(kSpeakerOffSlot));
  EXPECT_EQ(program.clock().beat(), 1);
}

TEST_F(ActionsTest, TheCaptionDecidesStartOrStop) {
  controls().setControlText(StartStopButton, QStringLiteral("start"));  // not exactly "Start"
  click(StartStopButton);
  EXPECT_FALSE(program.clock().isRunning());
  EXPECT_EQ(controls().getControlText(StartStopButton), QStringLiteral("Start"));
}

TEST_F(ActionsTest, SpaceOnAFocusedButtonPressesItButEnterDoesNot) {
  widget(StartStopButton)->setFocus();
  key(Qt::Key_Return);
  key(Qt::Key_Enter);
  EXPECT_FALSE(program.clock().isRunning());
  key(Qt::Key_Space);
  EXPECT_TRUE(program.clock().isRunning());
}

TEST_F(ActionsTest, TheAccentBoxGreysTheBarListWhichTheClockStillReads) {
  controls().setControlState(BeatsList, 0);  // a bar of 3
  click(AccentCheck);
  EXPECT_EQ(controls().getControlState(AccentCheck), 0);
  EXPECT_FALSE(widget(BeatsList)->isEnabled());
  EXPECT_EQ(controls().getControlState(BeatsList), 0);

  click(StartStopButton);
  std::vector<int> beats = {program.clock().beat()};
  for (int i = 0; i < 3; ++i) {
    ticks.advance(500);
    runPasses(1);
    beats.push_back(program.clock().beat());
  }
  EXPECT_EQ(beats, (std::vector<int>{1, 2, 3, 1}));

  click(AccentCheck);
  EXPECT_TRUE(widget(BeatsList)->isEnabled());
  EXPECT_EQ(controls().getControlState(BeatsList), 0);
}

TEST_F(ActionsTest, TheLinkOpensTheHomePageOnReleaseOverItAndKeepsTheMetronomeRunning) {
  click(StartStopButton);
  click(WebsiteLink);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened.front(), QUrl(QString::fromLatin1(kHomePageAddress)));
  EXPECT_TRUE(program.clock().isRunning());

  QTest::mousePress(windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(WebsiteLink));
  runPasses(2);
  QTest::mouseMove(windowHandle(), centreOf(StartStopButton));
  QTest::mouseRelease(windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(StartStopButton));
  runPasses(4);
  EXPECT_EQ(opened.size(), 1u) << "a press on the link released elsewhere opens nothing";
  EXPECT_TRUE(program.clock().isRunning());
}

}  // namespace
}  // namespace tickwell
