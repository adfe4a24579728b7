#include "pulse_server.h"

#include <signal.h>

#include <chrono>
#include <thread>

namespace tickwell::testing {

namespace {
using namespace std::chrono_literals;
}

PulseServer::PulseServer(const std::filesystem::path& folder) : folder_(folder) {
  const std::string socket = (folder_ / "pulse.sock").string();
  const std::vector<std::string> env = {"PULSE_RUNTIME_PATH=" + (folder_ / "runtime").string(),
                                        "PULSE_STATE_PATH=" + (folder_ / "state").string(),
                                        "HOME=" + folder_.string()};
  daemon_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                               "--disable-shm", "-L",
                               "module-null-sink sink_name=nullsink rate=" + std::to_string(kRate) + " channels=2",
                               "-L", "module-native-protocol-unix socket=" + socket + " auth-anonymous=1", "-L",
                               "module-always-sink"},
      folder_.string(), env, (folder_ / "pulseaudio.log").string());
  for (int attempt = 0; attempt < 500 && !ready_; ++attempt) {
    ready_ = std::filesystem::exists(socket);
    if (!ready_) std::this_thread::sleep_for(10ms);
  }
}

PulseServer::~PulseServer() {
  stopRecording();
  if (daemon_) {
    daemon_->signal(SIGCONT);
    daemon_->signal(SIGTERM);
    daemon_->waitForExit(5s);
  }
}

void PulseServer::freeze() { daemon_->signal(SIGSTOP); }

std::string PulseServer::serverVariable() const { return "PULSE_SERVER=unix:" + (folder_ / "pulse.sock").string(); }

void PulseServer::startRecording(const std::string& wavPath) {
  recorder_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"parecord", "-d", "nullsink.monitor", "--rate=" + std::to_string(kRate),
                               "--channels=1", "--format=s16le", "--file-format=wav", "--latency-msec=20", wavPath},
      folder_.string(), std::vector<std::string>{serverVariable()}, (folder_ / "parecord.log").string());
}

void PulseServer::stopRecording() {
  if (!recorder_) return;
  recorder_->signal(SIGINT);  // parecord finishes the file's header on SIGINT
  recorder_->waitForExit(5s);
  recorder_.reset();
}

}  // namespace tickwell::testing
