#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace tickwell {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for binary reading; a directory, a pipe or a device in its place is
// refused, since reading one could fail oddly or block for ever.
FileHandle openRegularFile(const std::string& path);

}  // namespace tickwell
