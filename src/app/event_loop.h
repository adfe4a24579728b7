#pragma once

#include "app/ui_event.h"
#include "core/beat_clock.h"

namespace tickwell {

class ControlEventHandler {
 public:
  virtual ~ControlEventHandler() = default;
  virtual void dispatchControlEvent(int controlId) = 0;
};

// Where a clock pass's click and picture go.
class BeatOutput {
 public:
  virtual ~BeatOutput() = default;
  virtual void playClick(SoundSlot slot) = 0;
  virtual void showIndicatorImage(ImageSlot slot) = 0;
};

// Lets Qt work off what is pending, without waiting, and hands out at most one event.
UiEvent pollEvent(UiEventQueue& events);

// Drives the whole program from one thread. It never sleeps: the clock's resolution is one pass.
class EventLoop {
 public:
  EventLoop(UiEventQueue& events, BeatClock& clock, const BeatSettingsSource& settings,
            ControlEventHandler& actions, BeatOutput& output)
      : events_(events), clock_(clock), settings_(settings), actions_(actions), output_(output) {}

  void run();
  void runPass();
  bool quitRequested() const { return quit_; }

 private:
  UiEventQueue& events_;
  BeatClock& clock_;
  const BeatSettingsSource& settings_;
  ControlEventHandler& actions_;
  BeatOutput& output_;
  bool quit_ = false;
};

}  // namespace tickwell
