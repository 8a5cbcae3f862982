// Copies every file of a tree into another directory through the file operation engine,
// with every confirmation off, as the Old set would be brought in line with the New one.
// Usage: fileops_copy_bench SOURCE-DIR DESTINATION-DIR
// Prints the file count and the time; exits 1 when any copy did not end with Ok.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/file_list.h"
#include "fileops/file_operation_engine.h"
#include "fileops/scripted_user_interface.h"
#include "platform/local_file_system.h"
#include "platform/path_form.h"

using namespace quorvane;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SOURCE-DIR DESTINATION-DIR\n", argv[0]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::string source = argv[1], destination = argv[2];
  if (source.back() != '/') source += '/';
  if (destination.back() != '/') destination += '/';

  FileList list;
  std::vector<FileEntry*> entries;
  for (const auto& e : std::filesystem::recursive_directory_iterator(source)) {
    if (!e.is_regular_file()) continue;
    ScanRecord r;
    r.Path = platform::toHeldPath(e.path().string().substr(source.size()));
    r.NewSize = e.file_size();
    entries.push_back(list.CreateEntry(r, Side::New));
  }

  platform::LocalFileSystem fs;
  fileops::ScriptedUserInterface ui;
  fileops::FileOpStatusModel status;
  Settings settings;
  settings.SyncWarning = false;
  fileops::FileOperationEngine engine(ui, fs, status, settings);
  engine.Sets = {source, destination};
  engine.Options.cbConfirmReplace = false;
  engine.Options.cbConfirmCreate = false;
  engine.Options.cbConfirmCreateDir = false;
  engine.StartRun(1, static_cast<int>(entries.size()));
  int failed = 0;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (engine.CopyEntry(fileops::OperationCode::CopyNewToOld, static_cast<int>(i + 1), *entries[i], false) !=
        fileops::OutcomeCode::Ok)
      ++failed;
  const fileops::FileOpCounters counters = status.Counters();
  engine.FinishRun({});
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%zu files copied in %.3f s, %d failed (created %u, replaced %u)\n", entries.size(), seconds, failed,
              counters.Created, counters.Replaced);
  return failed == 0 ? 0 : 1;
}
