#pragma once

#include <memory>

#include "assets/audio_stream.h"

namespace tickwell::testing {

// An open output with no device behind it: nothing pulls frames unless the test renders the
// mixer itself, so voices stay exactly where the test leaves them.
class DetachedStream final : public AudioStream {
 public:
  void stop() override {}
};

inline std::unique_ptr<AudioStream> openDetachedOutput(Mixer&) { return std::make_unique<DetachedStream>(); }

}  // namespace tickwell::testing
