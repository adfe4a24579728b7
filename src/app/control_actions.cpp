#include "app/control_actions.h"

#include "app/app_info.h"
#include "app/control_id.h"

namespace tickwell {

void ControlActions::dispatchControlEvent(int controlId) {
  switch (controlId) {
    case TempoSlider: refreshTempo(); break;
    case AccentCheck: enableBeatsListByAccent(); break;
    case StartStopButton: startOrStop(); break;
    case MinusTenButton: stepTempo(-10); break;
    case MinusFiveButton: stepTempo(-5); break;
    case PlusFiveButton: stepTempo(5); break;
    case PlusTenButton: stepTempo(10); break;
    case WebsiteLink: openUrl_(QUrl(QString::fromLatin1(kHomePageAddress))); break;
    default: break;  // the lists are read by the clock at each beat; the rest do nothing
  }
}

void ControlActions::refreshTempo() {
  controls_.setControlText(TempoDisplay, QString::number(controls_.getControlState(TempoSlider)));
  clock_.setTempo(controls_.getControlState(TempoSlider));
}

void ControlActions::stepTempo(int step) {
  controls_.setControlState(TempoSlider, controls_.getControlState(TempoSlider) + step);
  refreshTempo();
}

void ControlActions::startOrStop() {
  if (controls_.getControlText(StartStopButton) == QLatin1String("Start")) {
    clock_.start(ticks_.now());
    controls_.setControlText(StartStopButton, QStringLiteral("Stop"));
  } else {
    clock_.stop();
    controls_.setControlText(StartStopButton, QStringLiteral("Start"));
    controls_.showIndicatorImage(kSpeakerOffSlot);
  }
}

void ControlActions::enableBeatsListByAccent() {
  controls_.setControlDisabled(BeatsList, controls_.getControlState(AccentCheck) == 0 ? 1 : 0);
}

}  // namespace tickwell
