#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tickwell::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to `name` inside the folder and returns the file's path.
  std::string write(std::string_view name, const std::vector<std::uint8_t>& bytes) const;
  std::string write(std::string_view name, std::string_view text) const;

 private:
  std::filesystem::path path_;
};

}  // namespace tickwell::testing
