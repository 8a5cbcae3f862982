#include "platform/trash.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/os_error_text.h"

namespace quorvane::platform {

namespace {

std::string parentOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string trimmed(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// A directory of the trash: made with mode 0700 when missing; it must be a real
// directory (not a link) that the user owns.
bool ownDirectory(const std::string& path, std::string* reason) {
  if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    *reason = path + ": " + osErrorText(errno);
    return false;
  }
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) {
    *reason = path + ": " + osErrorText(errno);
    return false;
  }
  if (!S_ISDIR(st.st_mode) || st.st_uid != getuid()) {
    *reason = path + " is not a directory of this user";
    return false;
  }
  return true;
}

// Every missing level of the home trash's path.
bool makePath(const std::string& path, std::string* reason) {
  std::size_t slash = 0;
  while ((slash = path.find('/', slash + 1)) != std::string::npos) {
    const std::string part = path.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      *reason = part + ": " + osErrorText(errno);
      return false;
    }
  }
  return ownDirectory(path, reason);
}

// "name", then "stem.2.ext", "stem.3.ext"...: the candidates for a name in the trash.
std::string candidate(const std::string& name, int n) {
  if (n == 1) return name;
  const std::size_t dot = name.find_last_of('.');
  const bool extension = dot != std::string::npos && dot > 0;
  const std::string stem = extension ? name.substr(0, dot) : name;
  return stem + "." + std::to_string(n) + (extension ? name.substr(dot) : std::string());
}

bool writeWhole(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string TrashPathEncoded(const std::string& path) {
  static const char* const kHex = "0123456789ABCDEF";
  std::string out;
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
                      c == '-' || c == '_' || c == '.' || c == '~';
    if (kept) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string TrashPathDecoded(const std::string& encoded) {
  std::string out;
  const auto hex = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] == '%' && i + 2 < encoded.size() && hex(encoded[i + 1]) >= 0 && hex(encoded[i + 2]) >= 0) {
      out += static_cast<char>(hex(encoded[i + 1]) * 16 + hex(encoded[i + 2]));
      i += 2;
    } else {
      out += encoded[i];
    }
  }
  return out;
}

std::string TrashInfoText(const std::string& encodedPath, const std::tm& t) {
  char date[64];
  std::snprintf(date, sizeof date, "%04d-%02d-%02dT%02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  return "[Trash Info]\nPath=" + encodedPath + "\nDeletionDate=" + date + "\n";
}

int FreedesktopTrash::linkFile(const std::string& from, const std::string& to) {
  return ::linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) == 0 ? 0 : errno;
}

bool FreedesktopTrash::deviceOf(const std::string& path, std::uint64_t* device) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return false;
  *device = static_cast<std::uint64_t>(st.st_dev);
  return true;
}

std::string FreedesktopTrash::topDirectoryOf(const std::string& path) {
  std::uint64_t device = 0;
  std::string top = trimmed(path);
  if (!deviceOf(top, &device)) return {};
  while (top != "/") {
    const std::string up = parentOf(top);
    std::uint64_t upDevice = 0;
    if (!deviceOf(up, &upDevice) || upDevice != device) break;
    top = up;
  }
  return top;
}

std::string FreedesktopTrash::homeTrash() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return trimmed(data) + "/Trash";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return trimmed(home) + "/.local/share/Trash";
  return {};
}

std::tm FreedesktopTrash::localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm t {};
  localtime_r(&now, &t);
  return t;
}

std::string FreedesktopTrash::trashFor(const std::string& path, std::string* top, std::string* reason) {
  top->clear();
  std::uint64_t device = 0;
  if (!deviceOf(path, &device)) {
    *reason = osErrorText(errno);
    return {};
  }
  // The home trash when it is (or would be) on the file's file system.
  const std::string home = homeTrash();
  if (!home.empty()) {
    std::string existing = home;
    std::uint64_t homeDevice = 0;
    while (!deviceOf(existing, &homeDevice) && existing != "/") existing = parentOf(existing);
    if (homeDevice == device) {
      if (!makePath(home, reason) || !ownDirectory(home + "/files", reason) || !ownDirectory(home + "/info", reason))
        return {};
      return home;
    }
  }
  const std::string topDir = topDirectoryOf(parentOf(trimmed(path)));
  if (topDir.empty()) {
    *reason = "the file system's top directory cannot be found";
    return {};
  }
  const std::string base = topDir == "/" ? std::string() : topDir;
  const std::string uid = std::to_string(getuid());
  std::string chosen;
  struct stat st {};
  const std::string shared = base + "/.Trash";
  if (lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0) {
    std::string ignored;
    if (ownDirectory(shared + "/" + uid, &ignored)) chosen = shared + "/" + uid;
  }
  if (chosen.empty()) {
    chosen = base + "/.Trash-" + uid;
    if (!ownDirectory(chosen, reason)) return {};
  }
  if (!ownDirectory(chosen + "/files", reason) || !ownDirectory(chosen + "/info", reason)) return {};
  *top = topDir;
  return chosen;
}

bool FreedesktopTrash::place(const std::string& givenPath, bool link, TrashEntry* entry, std::string* reason) {
  const std::string path = trimmed(givenPath);
  std::string top;
  const std::string trash = trashFor(path, &top, reason);
  if (trash.empty()) return false;
  std::string recorded = path;
  if (!top.empty()) {
    const std::string prefix = top == "/" ? std::string("/") : top + "/";
    if (path.compare(0, prefix.size(), prefix) == 0) recorded = path.substr(prefix.size());
  }
  const std::string info = TrashInfoText(TrashPathEncoded(recorded), localNow());
  const std::string name = nameOf(path);
  for (int n = 1; n < 100000; ++n) {
    const std::string chosen = candidate(name, n);
    const std::string infoPath = trash + "/info/" + chosen + ".trashinfo";
    const std::string filesPath = trash + "/files/" + chosen;
    // The info file first, exclusively: it reserves the name.
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      *reason = infoPath + ": " + osErrorText(errno);
      return false;
    }
    const bool written = writeWhole(fd, info);
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
      unlink(infoPath.c_str());
      *reason = infoPath + ": " + osErrorText(written ? EIO : writeError);
      return false;
    }
    int result = 0;
    bool moved = !link;
    if (link) {
      const int error = linkFile(path, filesPath);
      result = error == 0 ? 0 : -1;
      errno = error;
      // No hard links on this file system: the file itself goes, exclusively.
      if (error == EPERM || error == EOPNOTSUPP || error == EMLINK) {
        moved = true;
        result = ::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, filesPath.c_str(), RENAME_NOREPLACE);
      }
    } else {
      result = ::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, filesPath.c_str(), RENAME_NOREPLACE);
      if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
        // A file system without exclusive renames: a link then the removal of the name.
        result = ::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, filesPath.c_str(), 0);
        if (result == 0 && unlink(path.c_str()) != 0) {
          const int error = errno;
          unlink(filesPath.c_str());
          unlink(infoPath.c_str());
          *reason = osErrorText(error);
          return false;
        }
      }
    }
    if (result == 0) {
      *entry = {infoPath, filesPath, path, moved};
      return true;
    }
    const int error = errno;
    unlink(infoPath.c_str());
    if (error == EEXIST) continue;  // a name in files/ without its info file
    *reason = osErrorText(error);
    return false;
  }
  *reason = "no free name in " + trash;
  return false;
}

bool FreedesktopTrash::moveToTrash(const std::string& path, TrashEntry* entry, std::string* reason) {
  return place(path, false, entry, reason);
}

bool FreedesktopTrash::linkIntoTrash(const std::string& path, TrashEntry* entry, std::string* reason) {
  return place(path, true, entry, reason);
}

void FreedesktopTrash::withdraw(const TrashEntry& entry) {
  if (entry.moved) {
    // Back to its place, unless something took the place meanwhile: then it stays in the trash.
    if (::renameat2(AT_FDCWD, entry.filesPath.c_str(), AT_FDCWD, entry.original.c_str(), RENAME_NOREPLACE) != 0)
      return;
  } else {
    unlink(entry.filesPath.c_str());
  }
  unlink(entry.infoPath.c_str());
}

bool RestoreFromTrash(const std::string& infoPath, std::string* reason) {
  std::ifstream in(infoPath);
  if (!in) {
    *reason = osErrorText(errno);
    return false;
  }
  std::string line, recorded;
  bool header = false;
  while (std::getline(in, line)) {
    if (line == "[Trash Info]") header = true;
    if (header && line.rfind("Path=", 0) == 0) recorded = TrashPathDecoded(line.substr(5));
  }
  const std::size_t infoDir = infoPath.rfind("/info/");
  if (recorded.empty() || infoDir == std::string::npos) {
    *reason = "not a trash info file";
    return false;
  }
  const std::string trash = infoPath.substr(0, infoDir);
  std::string name = infoPath.substr(infoDir + 6);
  name.resize(name.size() - std::string(".trashinfo").size());
  std::string original = recorded;
  if (original.front() != '/') {
    // Relative to the top directory: the trash is $topdir/.Trash-$uid or $topdir/.Trash/$uid.
    std::string top = parentOf(trash);
    if (nameOf(top) == ".Trash") top = parentOf(top);
    original = (top == "/" ? std::string() : top) + "/" + recorded;
  }
  const std::string filesPath = trash + "/files/" + name;
  if (::renameat2(AT_FDCWD, filesPath.c_str(), AT_FDCWD, original.c_str(), RENAME_NOREPLACE) != 0) {
    *reason = original + ": " + osErrorText(errno);
    return false;
  }
  unlink(infoPath.c_str());
  return true;
}

}  // namespace quorvane::platform
