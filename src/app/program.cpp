#include "app/program.h"

#include <QDesktopServices>

#include "core/steady_tick_counter.h"

namespace tickwell {

Program::Program(const TickCounter& ticks, ControlActions::UrlOpener openUrl) : clock_(ticks) {
  window_.show();
  window_.activateWindow();

  images_.enablePngDecoding();
  images_.loadIndicatorImage(kSpeakerOnSlot, "data/speakeron.png");
  images_.loadIndicatorImage(kSpeakerOffSlot, "data/speakeroff.png");

  controls_.emplace(window_, events_, images_);
  // The clock was built in its initial state: stopped, tempo 120, beat 0.
  // Qt composes every repaint off screen and puts it up whole, so uncovering the window
  // never paints the background over the controls: the flicker-free mode is built in.
  actions_.emplace(*controls_, clock_, ticks, std::move(openUrl));
  loop_.emplace(events_, clock_, *controls_, *actions_, static_cast<BeatOutput&>(*this));
}

void Program::playClick(SoundSlot) {}

void Program::shutdown() {
  images_.releaseIndicatorImages();
  window_.hide();
}

int runTickwell() {
  const SteadyTickCounter ticks;
  Program program(ticks, [](const QUrl& address) { QDesktopServices::openUrl(address); });
  program.run();
  program.shutdown();
  return 0;
}

}  // namespace tickwell
