#include "platform/volume_info.h"

#include <dirent.h>
#include <sys/stat.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/file_replace.h"

namespace quorvane::platform {

namespace {

// mountinfo escapes blank, tab, newline and backslash as a backslash and three octal digits.
std::string decodeOctalEscapes(std::string_view s) {
  std::string out;
  const auto octal = [](char c) { return c >= '0' && c <= '7'; };
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size() && octal(s[i + 1]) && octal(s[i + 2]) && octal(s[i + 3])) {
      out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
      i += 3;
      continue;
    }
    out += s[i];
  }
  return out;
}

std::vector<std::string_view> fields(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

std::string realPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
  return resolved ? std::string(resolved.get()) : std::string();
}

}  // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
  std::vector<MountEntry> mounts;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::vector<std::string_view> f = fields(text.substr(start, end - start));
    start = end + 1;
    // id parent major:minor root mountpoint options [optional...] - fstype source superoptions
    std::size_t dash = 6;
    while (dash < f.size() && f[dash] != "-") ++dash;
    if (f.size() < 5 || dash + 2 >= f.size()) continue;
    MountEntry m;
    const std::string_view device = f[2];
    const std::size_t colon = device.find(':');
    if (colon == std::string_view::npos) continue;
    m.major = static_cast<unsigned>(std::strtoul(std::string(device.substr(0, colon)).c_str(), nullptr, 10));
    m.minor = static_cast<unsigned>(std::strtoul(std::string(device.substr(colon + 1)).c_str(), nullptr, 10));
    m.mountPoint = decodeOctalEscapes(f[4]);
    m.fsType = decodeOctalEscapes(f[dash + 1]);
    m.source = decodeOctalEscapes(f[dash + 2]);
    mounts.push_back(std::move(m));
  }
  return mounts;
}

std::vector<MountEntry> currentMounts() {
  std::string text;
  if (!readWholeFile("/proc/self/mountinfo", text)) return {};
  return parseMountInfo(text);
}

const MountEntry* mountHolding(const std::vector<MountEntry>& mounts, std::string_view path) {
  const MountEntry* best = nullptr;
  for (const MountEntry& m : mounts) {
    std::string_view point = m.mountPoint;
    if (point.size() > 1 && point.back() == '/') point.remove_suffix(1);
    const bool holds = point == "/" ? !path.empty() && path.front() == '/'
                                    : path.substr(0, point.size()) == point &&
                                          (path.size() == point.size() || path[point.size()] == '/');
    if (holds && (!best || point.size() >= std::string_view(best->mountPoint).size())) best = &m;
  }
  return best;
}

bool isNetworkFileSystem(std::string_view type) {
  static constexpr std::array<std::string_view, 14> kTypes = {
      "nfs",  "nfs4", "cifs",      "smb3",   "smbfs",      "ncpfs",          "afs",
      "9p",   "ceph", "glusterfs", "lustre", "fuse.sshfs", "fuse.glusterfs", "davfs"};
  for (std::string_view t : kTypes)
    if (type == t) return true;
  return false;
}

std::string networkForm(std::string_view path, const std::vector<MountEntry>& mounts) {
  const MountEntry* m = mountHolding(mounts, path);
  if (!m || !isNetworkFileSystem(m->fsType) || m->source.empty()) return std::string(path);
  std::string_view point = m->mountPoint;
  if (point == "/") point = "";
  std::string rest(path.substr(point.size()));
  std::string source = m->source;
  if (!source.empty() && source.back() == '/' && !rest.empty() && rest.front() == '/') source.pop_back();
  return source + rest;
}

std::string networkFormOf(std::string_view path) { return networkForm(path, currentMounts()); }

std::string decodeDeviceName(std::string_view name) {
  std::string out;
  const auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && hex(name[i + 2]) >= 0 && hex(name[i + 3]) >= 0) {
      out += static_cast<char>(hex(name[i + 2]) * 16 + hex(name[i + 3]));
      i += 3;
      continue;
    }
    out += name[i];
  }
  return out;
}

std::string volumeLabelIn(const std::string& path, const std::vector<MountEntry>& mounts, const std::string& labelDir) {
  struct stat target {};
  if (stat(path.c_str(), &target) != 0) return {};
  const std::string resolved = realPath(path);
  const MountEntry* m = resolved.empty() ? nullptr : mountHolding(mounts, resolved);
  const std::string source = m && !m->source.empty() && m->source.front() == '/' ? realPath(m->source) : std::string();

  struct CloseDir {
    void operator()(DIR* d) const { closedir(d); }
  };
  std::unique_ptr<DIR, CloseDir> dir(opendir(labelDir.c_str()));
  if (!dir) return {};
  while (const dirent* e = readdir(dir.get())) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    const std::string entry = labelDir + "/" + name;
    struct stat device {};
    if (stat(entry.c_str(), &device) != 0) continue;
    const bool sameDevice = S_ISBLK(device.st_mode) && device.st_rdev == target.st_dev;
    if (sameDevice || (!source.empty() && realPath(entry) == source)) return decodeDeviceName(name);
  }
  return {};
}

std::string volumeLabelOf(const std::string& path) { return volumeLabelIn(path, currentMounts(), "/dev/disk/by-label"); }

}  // namespace quorvane::platform
