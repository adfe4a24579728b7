#include "assets/regular_file.h"

#include <filesystem>
#include <system_error>

namespace tickwell {

FileHandle openRegularFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return nullptr;
  return FileHandle(std::fopen(path.c_str(), "rb"));
}

}  // namespace tickwell
