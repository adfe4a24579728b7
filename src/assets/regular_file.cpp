#include "assets/regular_file.h"

#include <filesystem>
#include <system_error>

namespace tickwell {

FileHandle openRegularFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return nullptr;
  return FileHandle(std::fopen(path.c_str(), "rb"));
}

std::optional<std::vector<std::uint8_t>> readRegularFile(const std::string& path, std::size_t maxBytes) {
  const FileHandle file = openRegularFile(path);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[16384];
  std::size_t got = 0;
  // Read to the end rather than trusting the size on disk, which may change under us.
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (bytes.size() + got > maxBytes) return std::nullopt;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace tickwell
