#include "platform/current_directory.h"

#include <unistd.h>

#include <memory>

namespace quorvane::platform {

std::string absoluteFromWorkingDirectory(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  // getcwd with a null buffer allocates one as long as the directory needs.
  const std::unique_ptr<char, decltype(&free)> cwd(getcwd(nullptr, 0), &free);
  if (!cwd) return path;
  std::string base = cwd.get();
  if (base.back() != '/') base += '/';
  return base + path;
}

}  // namespace quorvane::platform
