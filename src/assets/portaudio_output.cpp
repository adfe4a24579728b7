#include "assets/portaudio_output.h"

#include <portaudio.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "assets/mixer_format.h"
#include "assets/steady_nanoseconds.h"

#ifdef __linux__
#include <alsa/asoundlib.h>
#include <jack/jack.h>
#endif

namespace tickwell {

namespace {

// Shared by the opening thread, the stream's callback and the main thread. If the main thread
// gives up waiting, it clears `mixer`, and the opening thread closes whatever it opened.
struct OpenAttempt {
  std::atomic<Mixer*> mixer;
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  bool abandoned = false;
  bool initialized = false;
  PaStream* stream = nullptr;

  explicit OpenAttempt(Mixer* target) : mixer(target) {}
};

int renderCallback(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*,
                   PaStreamCallbackFlags, void* user) {
  auto* out = static_cast<float*>(output);
  Mixer* mixer = static_cast<OpenAttempt*>(user)->mixer.load(std::memory_order_acquire);
  if (mixer) {
    mixer->render(out, frames, steadyNanoseconds());
  } else {
    std::fill(out, out + frames * 2, 0.0f);
  }
  return paContinue;
}

#ifdef __linux__
// ALSA and JACK report every absent card and server on stderr; the program shows no messages.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}
void quietJack(const char*) {}
#endif

void closeAttempt(OpenAttempt& attempt) {
  if (attempt.stream) {
    Pa_StopStream(attempt.stream);
    Pa_CloseStream(attempt.stream);
    attempt.stream = nullptr;
  }
  if (attempt.initialized) Pa_Terminate();
  attempt.initialized = false;
}

void openOnThisThread(OpenAttempt& attempt) {
#ifdef __linux__
  snd_lib_error_set_handler(quietAlsa);
  jack_set_error_function(quietJack);
  jack_set_info_function(quietJack);
  // Looking for a JACK server must not start one as a side effect.
  setenv("JACK_NO_START_SERVER", "1", 0);
#endif
  attempt.initialized = Pa_Initialize() == paNoError;
  if (!attempt.initialized) return;
  PaStreamParameters parameters{};
  parameters.device = Pa_GetDefaultOutputDevice();
  if (parameters.device == paNoDevice) return;
  parameters.channelCount = 2;
  parameters.sampleFormat = paFloat32;
  parameters.suggestedLatency = Pa_GetDeviceInfo(parameters.device)->defaultLowOutputLatency;
  PaStream* stream = nullptr;
  if (Pa_OpenStream(&stream, nullptr, &parameters, kOutputRate, kOutputBufferFrames, paClipOff, renderCallback,
                    &attempt) != paNoError) {
    return;
  }
  attempt.stream = stream;
  if (Pa_StartStream(stream) != paNoError) {
    Pa_CloseStream(stream);
    attempt.stream = nullptr;
  }
}

class PortAudioStream final : public AudioStream {
 public:
  explicit PortAudioStream(std::shared_ptr<OpenAttempt> attempt) : attempt_(std::move(attempt)) {}
  ~PortAudioStream() override { stop(); }
  void stop() override { closeAttempt(*attempt_); }

 private:
  std::shared_ptr<OpenAttempt> attempt_;
};

}  // namespace

std::unique_ptr<AudioStream> openPortAudioOutput(Mixer& mixer) {
  auto attempt = std::make_shared<OpenAttempt>(&mixer);
  std::thread([attempt] {
    openOnThisThread(*attempt);
    std::lock_guard lock(attempt->mutex);
    attempt->finished = true;
    if (attempt->abandoned) {
      closeAttempt(*attempt);
    } else {
      attempt->done.notify_one();
    }
  }).detach();

  std::unique_lock lock(attempt->mutex);
  if (!attempt->done.wait_for(lock, kOutputOpenTimeout, [&] { return attempt->finished; })) {
    attempt->abandoned = true;
    attempt->mixer.store(nullptr, std::memory_order_release);
    return nullptr;
  }
  if (!attempt->stream) {
    closeAttempt(*attempt);
    return nullptr;
  }
  return std::make_unique<PortAudioStream>(std::move(attempt));
}

}  // namespace tickwell
