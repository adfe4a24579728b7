#pragma once

#include <functional>
#include <memory>

#include "assets/mixer.h"

namespace tickwell {

// An open output that pulls its frames from a Mixer on its own thread.
class AudioStream {
 public:
  virtual ~AudioStream() = default;
  // After this returns the mixer is not called again.
  virtual void stop() = 0;
};

// Opens an output for `mixer`; nothing when there is none.
using OutputOpener = std::function<std::unique_ptr<AudioStream>(Mixer& mixer)>;

}  // namespace tickwell
