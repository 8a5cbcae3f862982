#pragma once
// A New tree and an Old tree under one temporary directory, entries made for their
// files, and an engine over the faulty file system answering from a script.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/file_list.h"
#include "fileops/faulty_file_system.h"
#include "fileops/file_operation_engine.h"
#include "fileops/scripted_user_interface.h"
#include "fileops/status_model.h"
#include "platform/file_replace.h"
#include "settings/settings.h"
#include "support/temp_tree.h"

namespace quorvane::test {

// Bytes that differ from position to position, so that a misplaced chunk shows.
inline std::string patternBytes(std::size_t size, unsigned seed) {
  std::string s(size, '\0');
  std::uint32_t x = seed * 2654435761u + 1;
  for (std::size_t i = 0; i < size; ++i) {
    x = x * 1103515245u + 12345u;
    s[i] = static_cast<char>(x >> 24);
  }
  return s;
}

// The bytes of a regular file (links followed), "<missing>" for anything else.
inline std::string contentsOf(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat st {};
  if (fd < 0) return "<missing>";
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return "<missing>";
  }
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  bytes.resize(done);
  return bytes;
}

inline bool pathExists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

// Every staged file (".quorvane\...") left anywhere under the directory.
inline std::vector<std::string> stagedFilesUnder(const std::string& directory) {
  std::vector<std::string> found;
  for (const auto& e : std::filesystem::recursive_directory_iterator(directory))
    if (platform::isStagedFileName(e.path().filename().string())) found.push_back(e.path().string());
  return found;
}

// Path -> mode, modification time, size and a hash of the bytes of everything under
// root. A directory's time changes whenever a file is made and removed in it: it counts
// only with directoryTimes.
inline std::map<std::string, std::string> manifestOf(const std::string& root, bool directoryTimes = false) {
  std::map<std::string, std::string> m;
  for (const auto& e : std::filesystem::recursive_directory_iterator(root)) {
    struct stat st {};
    lstat(e.path().c_str(), &st);
    std::string facts = "mode " + std::to_string(st.st_mode);
    if (!S_ISDIR(st.st_mode) || directoryTimes)
      facts += " time " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
    if (S_ISREG(st.st_mode)) {
      const std::string bytes = contentsOf(e.path().string());
      facts += " size " + std::to_string(bytes.size()) + " hash " + std::to_string(std::hash<std::string>{}(bytes));
    }
    m[e.path().string()] = facts;
  }
  return m;
}

class FileOpsTest : public ::testing::Test {
 protected:
  FileOpsTest() {
    tree.dir("new");
    tree.dir("old");
    engine.Sets = {tree.path("new/"), tree.path("old/")};
    engine.Options.cbConfirmReplace = false;
    engine.Options.cbConfirmDelete = false;
    engine.Options.edLogFile = tree.path("run.log");
  }

  // An entry for relative path (held form) with the sides' sizes.
  const FileEntry& entry(const std::string& heldPath, std::uint64_t newSize = 0, std::uint64_t oldSize = 0) {
    ScanRecord r;
    r.Path = heldPath;
    FileEntry* e = list.CreateEntry(r, Side::New);
    if (!e) e = list.Find(heldPath);
    e->NewSize = newSize;
    e->OldSize = oldSize;
    return *e;
  }

  std::string newPath(const std::string& relative) const { return tree.path("new/" + relative); }
  std::string oldPath(const std::string& relative) const { return tree.path("old/" + relative); }

  void startRun(int first = 1, int last = 1, bool simulation = false) {
    engine.Answers().Simulation = simulation;
    ui.clearAbort();
    engine.StartRun(first, last);
  }

  std::string logText() const { return contentsOf(tree.path("run.log")); }

  TempTree tree;
  FileList list;
  FaultyFileSystem fs;
  fileops::ScriptedUserInterface ui;
  fileops::FileOpStatusModel status;
  Settings settings;
  fileops::FileOperationEngine engine{ui, fs, status, settings};
};

}  // namespace quorvane::test
