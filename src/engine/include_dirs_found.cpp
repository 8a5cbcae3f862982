#include "engine/include_dirs_found.h"

#include <algorithm>
#include <vector>

#include "platform/directory_listing.h"
#include "platform/path_form.h"
#include "engine/path_key.h"

namespace quorvane {

namespace {

bool opensAsDirectory(const platform::NativePath& path) {
  return platform::listDirectory(path.str(), [](const platform::DirectoryEntry&) { return false; });
}

// Marks every include directory that holds one of the file list's entries. The list is
// sorted and free of folded duplicates, so each directory part of a path is one binary
// search: the cost grows with the total length of the paths, not with paths x dirs.
void markDirectoriesHoldingEntries(Comparison& c, std::vector<bool>& found, std::size_t& missing) {
  const std::vector<std::string>& dirs = c.IncludeDirs.Items();
  const auto less = [](const std::string& item, std::string_view key) { return compareFolded(item, key) < 0; };
  for (std::int32_t i = 0; i < c.Files.Count() && missing > 0; ++i) {
    const std::string_view path = c.Files.ItemAt(i).Directory();
    for (std::size_t slash = path.find('\\'); slash != std::string_view::npos; slash = path.find('\\', slash + 1)) {
      const std::string_view directory = path.substr(0, slash);
      const auto at = std::lower_bound(dirs.begin(), dirs.end(), directory, less);
      if (at == dirs.end() || compareFolded(*at, directory) != 0) continue;
      const std::size_t index = static_cast<std::size_t>(at - dirs.begin());
      if (!found[index]) {
        found[index] = true;
        --missing;
      }
    }
  }
}

}  // namespace

void NoteIncludeDirsNotFound(Comparison& c) {
  const std::vector<std::string>& dirs = c.IncludeDirs.Items();
  if (dirs.empty()) return;
  std::vector<bool> found(dirs.size(), false);
  std::size_t missing = dirs.size();

  const bool oneSet = c.State.SnapshotMode;
  bool readsArchiveOrSnapshot = false;
  for (const Side side : {Side::New, Side::Old}) {
    if (side == Side::Old && oneSet) break;
    const SetDescription& set = c.Set(side);
    if (set.Kind != SetKind::Directory) {
      readsArchiveOrSnapshot = true;
      continue;
    }
    const platform::NativePath root(set.Root);
    for (std::size_t i = 0; i < dirs.size(); ++i) {
      if (!found[i] && opensAsDirectory(platform::joinNative(root, platform::HeldPath(dirs[i])))) {
        found[i] = true;
        --missing;
      }
    }
  }
  if (readsArchiveOrSnapshot && missing > 0) markDirectoriesHoldingEntries(c, found, missing);

  const char* reason = oneSet ? "include directory not found in the set" : "include directory found in neither set";
  for (std::size_t i = 0; i < dirs.size(); ++i)
    if (!found[i]) c.Problems.Add(dirs[i], reason);
}

}  // namespace quorvane
