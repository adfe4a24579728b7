#include "app/controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "app/group_frame.h"
#include "app/hyperlink.h"
#include "app/indicator_view.h"

namespace tickwell {

namespace {

// A condensed face: in the desktop's 9-point Sans five captions are cut off at their fixed sizes.
constexpr const char* kControlFontFamily = "DejaVu Sans Condensed";
constexpr int kControlFontPointSize = 8;
constexpr int kFrameMargin = 10;
constexpr int kMinTempo = 40;
constexpr int kMaxTempo = 250;
constexpr int kListPopupItems = 10;  // more than either list holds: both open without scrolling

QRect placeOf(int id, int windowWidth) {
  const int frameWidth = windowWidth - 2 * kFrameMargin;
  static constexpr std::array<std::array<int, 4>, kControlCount> kPlaces = {{
      {10, 7, 0, 105},     {20, 45, 40, 20},    {65, 40, 220, 30},  {10, 120, 0, 120},
      {20, 145, 200, 20},  {20, 170, 200, 20},  {140, 168, 40, 20}, {20, 205, 200, 20},
      {145, 202, 110, 20}, {210, 247, 80, 25},  {20, 80, 60, 25},   {85, 80, 60, 25},
      {155, 80, 60, 25},   {220, 80, 60, 25},   {15, 246, 50, 50},  {135, 252, 70, 20},
  }};
  const auto& p = kPlaces[static_cast<std::size_t>(id)];
  const bool isFrame = id == TempoFrame || id == OptionsFrame;
  return {p[0], p[1], isFrame ? frameWidth : p[2], p[3]};
}

bool isControlId(int id) { return id >= 0 && id < kControlCount; }

}  // namespace

QFont Controls::controlFont() {
  QFont font(QString::fromLatin1(kControlFontFamily), kControlFontPointSize);
  font.setStyleHint(QFont::SansSerif);  // where the face is missing, the nearest sans serif
  return font;
}

Controls::Controls(QWidget& window, UiEventQueue& events, const IndicatorImages& images) : images_(images) {
  createControls(window, events);
  setInitialStates();
}

void Controls::createControls(QWidget& window, UiEventQueue& events) {
  window.setFont(controlFont());
  const auto raise = [&events](int id) { return [&events, id] { events.push(UiEvent::control(id)); }; };
  // Creation follows ControlId: it sets the stacking (frames beneath what they enclose, lists
  // above the labels that reach under them) and the focus order.
  const auto add = [&](int id, QWidget* control) {
    widgets_[static_cast<std::size_t>(id)] = control;
    control->setGeometry(placeOf(id, window.width()));
    control->show();
  };
  const auto addList = [&](int id, QComboBox* list) {
    list->setMaxVisibleItems(kListPopupItems);
    list->setFocusPolicy(Qt::StrongFocus);
    add(id, list);
  };
  const auto addButton = [&](int id, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), &window);
    button->setAutoDefault(false);  // Enter presses nothing
    QObject::connect(button, &QPushButton::clicked, &window, raise(id));
    add(id, button);
  };

  add(TempoFrame, new GroupFrame(QStringLiteral("BPM Control"), &window));

  auto* display = new QLineEdit(&window);
  display->setReadOnly(true);
  QPalette facePalette = display->palette();
  facePalette.setColor(QPalette::Base, facePalette.color(QPalette::Window));
  display->setPalette(facePalette);
  add(TempoDisplay, display);

  auto* slider = new QSlider(Qt::Horizontal, &window);
  slider->setRange(kMinTempo, kMaxTempo);
  slider->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(slider, &QSlider::valueChanged, &window, raise(TempoSlider));
  add(TempoSlider, slider);

  add(OptionsFrame, new GroupFrame(QStringLiteral("Options"), &window));

  auto* accent = new QCheckBox(QStringLiteral("Accent first beat of bar (downbeat)"), &window);
  QObject::connect(accent, &QCheckBox::clicked, &window, raise(AccentCheck));
  add(AccentCheck, accent);

  add(BeatsLabel, new QLabel(QStringLiteral("Number of beats in bar"), &window));
  auto* beatsList = new QComboBox(&window);
  for (const char* item : {"7", "6", "5", "4", "3"}) beatsList->insertItem(0, QString::fromLatin1(item));
  addList(BeatsList, beatsList);

  add(SoundLabel, new QLabel(QStringLiteral("Metronome click sound"), &window));
  auto* soundList = new QComboBox(&window);
  soundList->insertItem(0, QStringLiteral("Real Metronome"));
  soundList->insertItem(1, QStringLiteral("Stick Click"));
  soundList->insertItem(2, QStringLiteral("Dink Sound"));
  addList(SoundList, soundList);

  addButton(StartStopButton, "Start");
  addButton(MinusTenButton, "-10");
  addButton(MinusFiveButton, "-5");
  addButton(PlusFiveButton, "+5");
  addButton(PlusTenButton, "+10");

  add(BeatIndicator, new IndicatorView(&window));
  setControlPicture(BeatIndicator, images_.slotPicture(kSpeakerOffSlot));

  add(WebsiteLink, new Hyperlink(QStringLiteral("Visit Website"), raise(WebsiteLink), &window));
}

void Controls::setInitialStates() {
  setControlText(TempoDisplay, QStringLiteral("120"));
  setControlState(TempoSlider, 120);
  setControlState(AccentCheck, 1);
  setControlState(BeatsList, 1);
  setControlDisabled(BeatsList, 0);
  setControlState(SoundList, 0);
  setControlDisabled(SoundList, 0);
}

QWidget* Controls::widget(int id) const {
  return isControlId(id) ? widgets_[static_cast<std::size_t>(id)] : nullptr;
}

void Controls::setControlText(int id, const QString& text) {
  QWidget* control = widget(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text);
  else if (auto* frame = dynamic_cast<GroupFrame*>(control)) frame->setCaption(text);
  else if (auto* link = dynamic_cast<Hyperlink*>(control)) link->setText(text);
}

QString Controls::getControlText(int id) const {
  QWidget* control = widget(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* frame = dynamic_cast<GroupFrame*>(control)) return frame->caption();
  if (auto* link = dynamic_cast<Hyperlink*>(control)) return link->text();
  return {};
}

void Controls::setControlState(int id, std::int32_t value) {
  QWidget* control = widget(id);
  // The program's own changes raise no event.
  const QSignalBlocker blocker(control);
  if (auto* slider = qobject_cast<QSlider*>(control)) {
    slider->setValue(value);  // the slider holds the value to its range
  } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
    check->setChecked(value != 0);
  } else if (auto* list = qobject_cast<QComboBox*>(control)) {
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
  }
}

std::int32_t Controls::getControlState(int id) const {
  QWidget* control = widget(id);
  if (auto* slider = qobject_cast<QSlider*>(control)) return slider->value();
  if (auto* check = qobject_cast<QCheckBox*>(control)) return check->isChecked() ? 1 : 0;
  if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentIndex();
  return 0;
}

void Controls::setControlPicture(int id, const IndicatorPicture* picture) {
  if (auto* indicator = dynamic_cast<IndicatorView*>(widget(id))) indicator->setPicture(picture);
}

void Controls::setControlDisabled(int id, int flag) {
  if (QWidget* control = widget(id)) control->setEnabled(flag == 0);
}

void Controls::showIndicatorImage(ImageSlot slot) { setControlPicture(BeatIndicator, images_.slotPicture(slot)); }

BeatSettings Controls::beatSettings() const {
  return {getControlState(BeatsList) + 3, getControlState(AccentCheck) != 0, getControlState(SoundList)};
}

}  // namespace tickwell
