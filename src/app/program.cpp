#include "app/program.h"

#include <QDesktopServices>

#include "assets/portaudio_output.h"
#include "assets/steady_nanoseconds.h"
#include "core/steady_tick_counter.h"

namespace tickwell {

namespace {

struct ClickFile {
  SoundSlot slot;
  const char* path;
};

// Each click sound's accent in slot p and its normal beat in slot p + 10, loaded in this order.
constexpr ClickFile kClickFiles[] = {
    {1, "data/stickon.wav"},   {2, "data/dingon.wav"},   {0, "data/metroon.wav"},
    {11, "data/stickoff.wav"}, {12, "data/dingoff.wav"}, {10, "data/metrooff.wav"},
};

}  // namespace

Program::Program(const TickCounter& ticks, ControlActions::UrlOpener openUrl, OutputOpener openOutput)
    : clicks_(std::move(openOutput), steadyNanoseconds), clock_(ticks) {
  clicks_.openAudioOutput();  // before the window: the output is not tied to it

  window_.show();
  window_.activateWindow();

  for (const ClickFile& file : kClickFiles) clicks_.loadClick(file.slot, file.path);

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

void Program::playClick(SoundSlot slot) { clicks_.playClick(slot); }

void Program::shutdown() {
  clicks_.releaseAllClicks();
  images_.releaseIndicatorImages();
  window_.hide();
}

int runTickwell() {
  const SteadyTickCounter ticks;
  Program program(ticks, [](const QUrl& address) { QDesktopServices::openUrl(address); }, openPortAudioOutput);
  program.run();
  program.shutdown();
  return 0;
}

}  // namespace tickwell
