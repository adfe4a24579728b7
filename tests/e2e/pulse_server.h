#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "child_process.h"

namespace tickwell::testing {

// A private PulseAudio daemon with a 50 kHz null sink (its clock is steadier than at 48 kHz),
// so a test can record exactly what a program played.
class PulseServer {
 public:
  static constexpr int kRate = 50000;

  explicit PulseServer(const std::filesystem::path& folder);
  ~PulseServer();
  PulseServer(const PulseServer&) = delete;
  PulseServer& operator=(const PulseServer&) = delete;

  bool ready() const { return ready_; }
  // "PULSE_SERVER=...", for a client's environment.
  std::string serverVariable() const;
  // Records the null sink's output, mono 16-bit, into `wavPath` until stopRecording().
  void startRecording(const std::string& wavPath);
  void stopRecording();
  // Stops the daemon dead, as a hung sound server: it keeps its socket but never answers.
  void freeze();

 private:
  std::filesystem::path folder_;
  std::unique_ptr<ChildProcess> daemon_;
  std::unique_ptr<ChildProcess> recorder_;
  bool ready_ = false;
};

}  // namespace tickwell::testing
