#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tickwell {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for binary reading; a directory, a pipe or a device in its place is
// refused, since reading one could fail oddly or block for ever.
FileHandle openRegularFile(const std::string& path);

// The whole of a regular file, or nothing when it cannot be read or holds more than `maxBytes`.
std::optional<std::vector<std::uint8_t>> readRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace tickwell
