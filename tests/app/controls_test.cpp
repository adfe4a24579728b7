#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include "app/group_frame.h"
#include "app/hyperlink.h"
#include "app/indicator_view.h"
#include "paint_counter.h"
#include "program_fixture.h"

namespace tickwell {
namespace {

using ControlsTest = testing::ProgramFixture;

struct Expected {
  int id;
  const char* kind;
  QRect place;
  const char* text;
};

const Expected kTable[] = {
    {TempoFrame, "tickwell::GroupFrame", {10, 7, 280, 105}, "BPM Control"},
    {TempoDisplay, "QLineEdit", {20, 45, 40, 20}, "120"},
    {TempoSlider, "QSlider", {65, 40, 220, 30}, ""},
    {OptionsFrame, "tickwell::GroupFrame", {10, 120, 280, 120}, "Options"},
    {AccentCheck, "QCheckBox", {20, 145, 200, 20}, "Accent first beat of bar (downbeat)"},
    {BeatsLabel, "QLabel", {20, 170, 200, 20}, "Number of beats in bar"},
    {BeatsList, "QComboBox", {140, 168, 40, 20}, ""},
    {SoundLabel, "QLabel", {20, 205, 200, 20}, "Metronome click sound"},
    {SoundList, "QComboBox", {145, 202, 110, 20}, ""},
    {StartStopButton, "QPushButton", {210, 247, 80, 25}, "Start"},
    {MinusTenButton, "QPushButton", {20, 80, 60, 25}, "-10"},
    {MinusFiveButton, "QPushButton", {85, 80, 60, 25}, "-5"},
    {PlusFiveButton, "QPushButton", {155, 80, 60, 25}, "+5"},
    {PlusTenButton, "QPushButton", {220, 80, 60, 25}, "+10"},
    {BeatIndicator, "tickwell::IndicatorView", {15, 246, 32, 32}, ""},  // the speaker picture's size
    {WebsiteLink, "tickwell::Hyperlink", {135, 252, 70, 20}, "Visit Website"},
};

QString kindOf(QWidget* widget) {
  const QString qtName = QString::fromLatin1(widget->metaObject()->className());
  if (qtName != QLatin1String("QWidget")) return qtName;
  if (dynamic_cast<GroupFrame*>(widget)) return QStringLiteral("tickwell::GroupFrame");
  if (dynamic_cast<IndicatorView*>(widget)) return QStringLiteral("tickwell::IndicatorView");
  if (dynamic_cast<Hyperlink*>(widget)) return QStringLiteral("tickwell::Hyperlink");
  return qtName;
}

QStringList itemsOf(QWidget* list) {
  QStringList items;
  auto* combo = static_cast<QComboBox*>(list);
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

TEST_F(ControlsTest, AreCreatedInOrderWithTheirKindsPlacesAndTexts) {
  const QObjectList children = program.window().children();
  ASSERT_EQ(children.size(), 16);
  for (const Expected& e : kTable) {
    SCOPED_TRACE(e.id);
    QWidget* control = widget(e.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(children.at(e.id), control) << "created in ControlId order";
    EXPECT_EQ(kindOf(control), QString::fromLatin1(e.kind));
    EXPECT_EQ(control->geometry(), e.place);
    EXPECT_EQ(controls().getControlText(e.id), QString::fromLatin1(e.text));
    EXPECT_TRUE(control->isEnabled());
    EXPECT_TRUE(control->isVisible());
  }
}

TEST_F(ControlsTest, StartWithTheirInitialStates) {
  EXPECT_EQ(itemsOf(widget(BeatsList)), QStringList({"3", "4", "5", "6", "7"}));
  EXPECT_EQ(itemsOf(widget(SoundList)), QStringList({"Real Metronome", "Stick Click", "Dink Sound"}));
  EXPECT_EQ(controls().getControlState(BeatsList), 1);
  EXPECT_EQ(controls().getControlState(SoundList), 0);
  EXPECT_EQ(controls().getControlState(AccentCheck), 1);
  EXPECT_EQ(controls().getControlState(TempoSlider), 120);
  const auto* slider = static_cast<QSlider*>(widget(TempoSlider));
  EXPECT_EQ(slider->minimum(), 40);
  EXPECT_EQ(slider->maximum(), 250);
  EXPECT_EQ(slider->orientation(), Qt::Horizontal);
  EXPECT_EQ(slider->tickPosition(), QSlider::NoTicks);
  EXPECT_TRUE(static_cast<QLineEdit*>(widget(TempoDisplay))->isReadOnly());
  for (const int list : {BeatsList, SoundList}) EXPECT_FALSE(static_cast<QComboBox*>(widget(list))->isEditable());
  EXPECT_EQ(static_cast<IndicatorView*>(widget(BeatIndicator))->picture(),
            program.images().slotPicture(kSpeakerOffSlot));
  EXPECT_EQ(program.window().focusWidget(), &program.window()) << "no control has the focus";
}

// Width left for a caption inside its control, as the style lays the control out.
int captionRoom(int id, QWidget* control, QWidget* listBeside) {
  QStyle* style = control->style();
  if (auto* check = qobject_cast<QCheckBox*>(control)) {
    QStyleOptionButton option;
    option.initFrom(check);
    option.text = check->text();
    return style->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width();
  }
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  }
  if (listBeside) return listBeside->x() - control->x();  // the list covers the label's right part
  if (id == TempoFrame || id == OptionsFrame) return control->width() - 20;
  return control->width();
}

TEST_F(ControlsTest, EveryCaptionAndListItemShowsWhole) {
  const std::map<int, int> listBeside = {{BeatsLabel, BeatsList}, {SoundLabel, SoundList}};
  for (const Expected& e : kTable) {
    if (*e.text == '\0' || e.id == TempoDisplay) continue;
    QWidget* control = widget(e.id);
    const auto beside = listBeside.find(e.id);
    const int room = captionRoom(e.id, control, beside == listBeside.end() ? nullptr : widget(beside->second));
    EXPECT_LE(QFontMetrics(control->font()).horizontalAdvance(QString::fromLatin1(e.text)), room) << e.text;
  }
  for (const int id : {BeatsList, SoundList}) {
    auto* list = static_cast<QComboBox*>(widget(id));
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = true;
    const int room = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
    for (const QString& item : itemsOf(list)) EXPECT_LE(QFontMetrics(list->font()).horizontalAdvance(item), room) << item.toStdString();
  }
  for (int id = 0; id < kControlCount; ++id) EXPECT_EQ(widget(id)->font(), Controls::controlFont()) << "one font for all";
}

struct StateCase {
  const char* name;
  int id;
  std::int32_t set;
  std::int32_t reads;
};

class ControlStateTest : public testing::ProgramFixture, public ::testing::WithParamInterface<StateCase> {};

TEST_P(ControlStateTest, SetsAndReadsByKindWithoutRaisingEvents) {
  const StateCase& c = GetParam();
  controls().setControlState(c.id, c.set);
  EXPECT_EQ(controls().getControlState(c.id), c.reads);
  runPasses(4);
  EXPECT_EQ(program.clock().tempo(), 120) << "a program-set value raised an event";
  EXPECT_EQ(controls().getControlText(TempoDisplay), QStringLiteral("120"));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ControlStateTest,
    ::testing::Values(StateCase{"SliderBelowRange", TempoSlider, 30, 40}, StateCase{"SliderAboveRange", TempoSlider, 260, 250},
                      StateCase{"SliderInRange", TempoSlider, 97, 97}, StateCase{"CheckNonZeroTicks", AccentCheck, 7, 1},
                      StateCase{"CheckZeroClears", AccentCheck, 0, 0}, StateCase{"ListSelects", BeatsList, 4, 4},
                      StateCase{"ListMinusOneSelectsNone", SoundList, -1, -1},
                      StateCase{"ListPastTheEndSelectsNone", BeatsList, 5, -1},
                      StateCase{"LabelHasNoState", BeatsLabel, 3, 0}, StateCase{"ButtonHasNoState", StartStopButton, 3, 0},
                      StateCase{"IdBelowRange", -1, 3, 0}, StateCase{"IdAboveRange", 16, 3, 0}),
    [](const auto& info) { return info.param.name; });

TEST_F(ControlsTest, AnIdWithoutAControlDoesNothing) {
  for (const int id : {-1, 16, 1000}) {
    controls().setControlText(id, QStringLiteral("x"));
    controls().setControlDisabled(id, 1);
    controls().setControlPicture(id, nullptr);
    EXPECT_EQ(controls().getControlText(id), QString());
    EXPECT_EQ(controls().getControlState(id), 0);
  }
}

TEST_F(ControlsTest, TextsReplaceCaptionsOfEveryKind) {
  for (const int id : {TempoFrame, TempoDisplay, AccentCheck, BeatsLabel, StartStopButton, WebsiteLink}) {
    controls().setControlText(id, QStringLiteral("New text"));
    EXPECT_EQ(controls().getControlText(id), QStringLiteral("New text")) << id;
  }
}

TEST_F(ControlsTest, ADisabledListKeepsAndReportsItsSelection) {
  controls().setControlState(BeatsList, 3);
  controls().setControlDisabled(BeatsList, 1);
  EXPECT_FALSE(widget(BeatsList)->isEnabled());
  EXPECT_EQ(controls().getControlState(BeatsList), 3);
  EXPECT_EQ(controls().beatSettings().beatsPerBar, 6);
  controls().setControlDisabled(BeatsList, 0);
  EXPECT_TRUE(widget(BeatsList)->isEnabled());
}

TEST_F(ControlsTest, TheDisplayCanBeSelectedAndCopiedButNotEdited) {
  auto* display = static_cast<QLineEdit*>(widget(TempoDisplay));
  display->setFocus();
  QTest::keyClick(display, Qt::Key_End);
  QTest::keyClicks(display, "9");
  QTest::keyClick(display, Qt::Key_Backspace);
  QTest::keyClick(display, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(display->text(), QStringLiteral("120"));
  display->selectAll();
  EXPECT_EQ(display->selectedText(), QStringLiteral("120"));
}

TEST_F(ControlsTest, TabMovesTheFocusInOrderAndSkipsTheDisabledList) {
  const auto focusedId = [&] {
    for (int id = 0; id < kControlCount; ++id) {
      if (widget(id)->hasFocus()) return id;
    }
    return -1;
  };
  const auto tabs = [&](int count, Qt::KeyboardModifiers modifiers) {
    std::vector<int> ids;
    for (int i = 0; i < count; ++i) {
      key(Qt::Key_Tab, modifiers);
      ids.push_back(focusedId());
    }
    return ids;
  };
  EXPECT_EQ(tabs(11, Qt::NoModifier), (std::vector<int>{TempoDisplay, TempoSlider, AccentCheck, BeatsList, SoundList,
                                                          StartStopButton, MinusTenButton, MinusFiveButton,
                                                          PlusFiveButton, PlusTenButton, TempoDisplay}));
  EXPECT_EQ(tabs(2, Qt::ShiftModifier), (std::vector<int>{PlusTenButton, PlusFiveButton}));

  controls().setControlDisabled(BeatsList, 1);
  widget(AccentCheck)->setFocus();
  EXPECT_EQ(tabs(1, Qt::NoModifier), std::vector<int>{SoundList});
}

IndicatorPicture solidPicture(int width, int height, std::uint8_t blue, std::uint8_t green, std::uint8_t red,
                              std::uint8_t alpha) {
  IndicatorPicture picture{width, height, alpha != 0xff, {}};
  for (int i = 0; i < width * height; ++i) picture.pixels.insert(picture.pixels.end(), {blue, green, red, alpha});
  return picture;
}

TEST_F(ControlsTest, TheIndicatorTakesEachPicturesSizeAndDrawsItOpaque) {
  // Transparent pixels show the colour the file stores for them.
  const IndicatorPicture tall = solidPicture(20, 48, 0, 0, 255, 0);
  controls().setControlPicture(BeatIndicator, &tall);
  EXPECT_EQ(widget(BeatIndicator)->geometry(), QRect(15, 246, 20, 48));
  const QImage shown = program.window().grab().toImage();
  EXPECT_EQ(shown.pixelColor(20, 250), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(20, 279), QColor(255, 0, 0)) << "the 34th row is the last inside the window";

  controls().setControlPicture(BeatIndicator, nullptr);
  EXPECT_EQ(widget(BeatIndicator)->size(), QSize(20, 48)) << "no picture keeps the size";
  const QImage blank = program.window().grab().toImage();
  EXPECT_EQ(blank.pixelColor(20, 250), program.window().palette().color(QPalette::Window));
}

TEST_F(ControlsTest, SettingTheSamePictureTwiceRepaintsTwiceAtOnce) {
  testing::PaintCounter counter;
  widget(BeatIndicator)->installEventFilter(&counter);
  controls().showIndicatorImage(kSpeakerOffSlot);
  controls().showIndicatorImage(kSpeakerOffSlot);
  widget(BeatIndicator)->removeEventFilter(&counter);
  EXPECT_EQ(counter.paints, 2) << "each call repaints inside the call";
}

TEST_F(ControlsTest, TheLinkTurnsRedUnderThePointerAndIsAlwaysUnderlined) {
  auto* link = static_cast<Hyperlink*>(widget(WebsiteLink));
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(link->focusPolicy(), Qt::NoFocus);
  const int underlineRow = QFontMetrics(link->font()).height();
  const auto underlineColour = [&] { return link->grab().toImage().pixelColor(2, underlineRow); };
  EXPECT_EQ(underlineColour(), QColor(0, 0, 0));

  QTest::mouseMove(windowHandle(), QPoint(5, 5));
  runPasses(2);
  QTest::mouseMove(windowHandle(), centreOf(WebsiteLink));
  runPasses(2);
  EXPECT_TRUE(link->isHovered());
  EXPECT_EQ(underlineColour(), QColor(255, 0, 0));

  QTest::mouseMove(windowHandle(), centreOf(StartStopButton));
  runPasses(2);
  EXPECT_FALSE(link->isHovered());
  EXPECT_EQ(underlineColour(), QColor(0, 0, 0));
}

}  // namespace
}  // namespace tickwell
