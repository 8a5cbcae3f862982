#pragma once
// A program over a New and an Old directory under one temporary directory, the settings
// file in a temporary place, and the file commands over the real file system with the
// recording user interface: dialogs answer from its script, prompts from its queue.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fileops/status_model.h"
#include "platform/local_file_system.h"
#include "program/file_commands.h"
#include "program/report_writers.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"

namespace quorvane::test {

// What a tree holds: every regular file's bytes, modification time and mode, by relative path.
struct FileFacts {
  std::string bytes;
  std::int64_t mtime = 0;
  unsigned mode = 0;
  bool operator==(const FileFacts&) const = default;
};
using Manifest = std::map<std::string, FileFacts>;

inline Manifest manifestOf(const std::string& root) {
  Manifest m;
  namespace fs = std::filesystem;
  for (const auto& item : fs::recursive_directory_iterator(root)) {
    if (!item.is_regular_file()) continue;
    struct stat st {};
    ::stat(item.path().c_str(), &st);
    std::stringstream bytes;
    bytes << std::ifstream(item.path(), std::ios::binary).rdbuf();
    m[fs::relative(item.path(), root).generic_string()] = {bytes.str(), st.st_mtime, st.st_mode & 07777u};
  }
  return m;
}

// A regular file's bytes, "<missing>" when there is none.
inline std::string contentsOfPath(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) return "<missing>";
  std::stringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

inline std::vector<std::string> linesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A trash inside the test's tree, whatever file system the tree is on: deletions and
// replacements of the commands never reach a trash of the machine.
class TreeTrash : public platform::FreedesktopTrash {
 public:
  explicit TreeTrash(std::string home) : home_(std::move(home)) {}
  std::string homeTrash() override { return home_; }

 private:
  std::string home_;
};

class FileCommandsFixture {
 public:
  explicit FileCommandsFixture(const std::string& base = {})
      : t(base.empty() ? std::make_unique<TempTree>() : std::make_unique<TempTree>(base)),
        program(ui, readers, writers) {
    program.settings.CloseProgressDlg = true;
    status.setSlowSimulation(false);
    fs.setTrash(std::make_shared<TreeTrash>(t->path("trash")));
  }

  // Chooses both directories (made when missing), compares them and makes the commands.
  void compare() {
    t->dir("new");
    t->dir("old");
    ChooseSetDirectory(program, Side::New, t->path("new"));
    ChooseSetDirectory(program, Side::Old, t->path("old"));
    Diff(program);
    if (!commands) commands = std::make_unique<FileCommands>(program, fs, status);
  }
  // Compares the trees as they are now.
  void compareAgain() {
    ResetDiff(program);
    Diff(program);
  }

  std::int32_t rows() const { return program.comparison.Display.Count(); }
  GridRect allNewColumns() const { return {1, 1, 3, rows()}; }
  // The display entry of a path; null when not shown.
  const FileEntry* entry(const std::string& relative) const {
    for (const FileEntry* e : program.comparison.Display.Items())
      if (e->Path() == relative) return e;
    return nullptr;
  }
  std::int32_t rowOf(const std::string& relative) const {
    const auto& items = program.comparison.Display.Items();
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i]->Path() == relative) return static_cast<std::int32_t>(i) + 1;
    return 0;
  }

  TempIni ini{std::string()};  // an empty settings file
  std::unique_ptr<TempTree> t;
  RecordingUserInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
  platform::LocalFileSystem fs;
  fileops::FileOpStatusModel status;
  std::unique_ptr<FileCommands> commands;
};

}  // namespace quorvane::test
