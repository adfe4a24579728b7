#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tickwell::testing {

// A program started by a test, killed if the test leaves it running.
class ChildProcess {
 public:
  // Runs `argv` in `workingDir` with `extraEnv` ("NAME=value") added to this process's environment;
  // standard error goes to `stderrPath` when given.
  ChildProcess(const std::vector<std::string>& argv, const std::string& workingDir,
               const std::vector<std::string>& extraEnv, const std::string& stderrPath = "");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  // The exit status once the process has ended within `timeout`; nothing if it is still running
  // or ended by a signal.
  std::optional<int> waitForExit(std::chrono::milliseconds timeout);
  bool running();
  void signal(int number);

 private:
  pid_t pid_ = -1;
  bool reaped_ = false;
  int status_ = 0;
};

}  // namespace tickwell::testing
