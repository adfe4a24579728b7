#pragma once

#include <QUrl>
#include <functional>

#include "app/controls.h"
#include "app/event_loop.h"
#include "core/beat_clock.h"

namespace tickwell {

// What each control event does. The slider is the authority on the tempo: every change moves
// the slider and takes the tempo back from it, so its range bounds the tempo.
class ControlActions final : public ControlEventHandler {
 public:
  // Hands an address to the desktop's browser without waiting; failures are ignored.
  using UrlOpener = std::function<void(const QUrl&)>;

  ControlActions(Controls& controls, BeatClock& clock, const TickCounter& ticks, UrlOpener openUrl)
      : controls_(controls), clock_(clock), ticks_(ticks), openUrl_(std::move(openUrl)) {}

  void dispatchControlEvent(int controlId) override;

 private:
  void refreshTempo();
  void stepTempo(int step);
  void startOrStop();
  void enableBeatsListByAccent();

  Controls& controls_;
  BeatClock& clock_;
  const TickCounter& ticks_;
  UrlOpener openUrl_;
};

}  // namespace tickwell
