#include "platform/browse_drives.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace quorvane::platform {

bool isPseudoFileSystem(std::string_view fsType) {
  static constexpr std::array<std::string_view, 24> kPseudo = {
      "proc",      "sysfs",     "devpts",     "devtmpfs",   "tmpfs",   "ramfs",     "cgroup",      "cgroup2",
      "securityfs", "pstore",   "bpf",        "tracefs",    "debugfs", "mqueue",    "hugetlbfs",   "configfs",
      "fusectl",   "autofs",    "binfmt_misc", "rpc_pipefs", "nsfs",   "efivarfs",  "selinuxfs",   "fuse.gvfsd-fuse"};
  return std::find(kPseudo.begin(), kPseudo.end(), fsType) != kPseudo.end();
}

std::vector<std::string> browseDrivesOf(const std::vector<MountEntry>& mounts, const std::string& home) {
  std::vector<std::string> drives{"/"};
  const auto add = [&drives](std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    if (path.empty() || path[0] != '/') return;
    if (std::find(drives.begin(), drives.end(), path) == drives.end()) drives.push_back(std::move(path));
  };
  add(home);
  for (const MountEntry& m : mounts)
    if (!isPseudoFileSystem(m.fsType)) add(m.mountPoint);
  return drives;
}

std::vector<std::string> browseDrives() {
  std::string home;
  if (const char* env = std::getenv("HOME"); env && *env) {
    home = env;
  } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
    home = pw->pw_dir;
  }
  return browseDrivesOf(currentMounts(), home);
}

int driveHolding(const std::vector<std::string>& drives, std::string_view absolutePath) {
  int best = -1;
  std::size_t bestLength = 0;
  for (std::size_t i = 0; i < drives.size(); ++i) {
    const std::string& d = drives[i];
    const bool holds = d == "/" ? !absolutePath.empty() && absolutePath[0] == '/'
                                : absolutePath.starts_with(d) &&
                                      (absolutePath.size() == d.size() || absolutePath[d.size()] == '/');
    if (holds && (best < 0 || d.size() > bestLength)) {
      best = static_cast<int>(i);
      bestLength = d.size();
    }
  }
  return best;
}

}  // namespace quorvane::platform
