#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "assets/audio_stream.h"
#include "assets/click_sound.h"
#include "assets/mixer.h"
#include "assets/voice.h"
#include "core/slots.h"

namespace tickwell {

// Owns the audio output, the loaded click sounds and their voices. Every click is a new voice,
// so a ringing click is never cut off by the next. Failures leave a slot empty, and an empty
// slot is silent; nothing is reported.
class ClickBank {
 public:
  // The click requests' time stamps, in steady-clock nanoseconds.
  using Clock = std::function<std::int64_t()>;

  // Voices start this long after they are asked for: more than one buffer plus the callback's
  // worst lateness, so that none is late.
  static constexpr std::int64_t kLatencyNs = 30'000'000;
  static constexpr SoundSlot kSlotCount = kNormalSoundOffset + 3;
  static constexpr std::size_t kMaxFileBytes = 16 << 20;

  ClickBank();  // the system's default output and steady clock
  ClickBank(OutputOpener openOutput, Clock clock);
  ~ClickBank() { releaseAllClicks(); }
  ClickBank(const ClickBank&) = delete;
  ClickBank& operator=(const ClickBank&) = delete;

  bool openAudioOutput();
  bool loadClick(SoundSlot slot, const std::string& path);
  void playClick(SoundSlot slot);
  void releaseAllClicks();

  bool isOpen() const { return stream_ != nullptr; }
  bool hasSound(SoundSlot slot) const;
  // Voices of the slot not yet reclaimed: those still sounding and those finished since its last click.
  std::size_t voiceCount(SoundSlot slot) const;
  Mixer& mixer() { return mixer_; }

 private:
  struct Slot {
    std::shared_ptr<const ClickSound> sound;
    std::vector<std::unique_ptr<Voice>> voices;
  };

  Slot* slotAt(SoundSlot slot);
  const Slot* slotAt(SoundSlot slot) const;
  void reclaimRetired();

  OutputOpener openOutput_;
  Clock clock_;
  Mixer mixer_;
  std::unique_ptr<AudioStream> stream_;
  std::array<Slot, kSlotCount> slots_;
  // Voices silenced by a reload, kept until the callback lets go of them.
  std::vector<std::unique_ptr<Voice>> retired_;
};

}  // namespace tickwell
