#pragma once

#include <optional>

#include "app/control_actions.h"
#include "app/controls.h"
#include "app/event_loop.h"
#include "app/main_window.h"
#include "assets/click_bank.h"
#include "assets/indicator_images.h"
#include "core/beat_clock.h"

namespace tickwell {

// Everything that lives from start-up to shutdown. The constructor runs start-up in its fixed
// order; run() loops until the window's close request; shutdown() releases in reverse.
class Program final : private BeatOutput {
 public:
  Program(const TickCounter& ticks, ControlActions::UrlOpener openUrl, OutputOpener openOutput);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  void run() { loop_->run(); }
  void runPass() { loop_->runPass(); }
  void shutdown();

  MainWindow& window() { return window_; }
  Controls& controls() { return *controls_; }
  BeatClock& clock() { return clock_; }
  const IndicatorImages& images() const { return images_; }
  ClickBank& clicks() { return clicks_; }
  bool quitRequested() const { return loop_->quitRequested(); }

 private:
  void playClick(SoundSlot slot) override;
  void showIndicatorImage(ImageSlot slot) override { controls_->showIndicatorImage(slot); }

  ClickBank clicks_;
  UiEventQueue events_;
  MainWindow window_{events_};
  IndicatorImages images_;
  BeatClock clock_;
  std::optional<Controls> controls_;
  std::optional<ControlActions> actions_;
  std::optional<EventLoop> loop_;
};

// The program as the desktop starts it: the system's tick counter, browser and audio output. Returns 0.
int runTickwell();

}  // namespace tickwell
