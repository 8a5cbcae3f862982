#pragma once
// The checks a synchronization passes before it touches the first file, the same for the
// window and the command line: a set directory that is gone or empty while the other set
// held files (an unmounted drive: synchronizing would copy or delete every file), and a
// run that would delete more files than allowed.
#include <cstdint>
#include <string>

#include "engine/comparison.h"
#include "platform/file_system.h"

namespace quorvane {

struct SyncGuardPolicy {
  bool allowEmpty = false;      // an empty or missing root is accepted (a first copy)
  std::int64_t maxDelete = -1;  // more deletions than this are refused; -1: no limit
  bool askMassDeletion = false; // more than half the displayed files and at least 10: ask
};

// The files each side held at comparison time.
struct SideFileCounts {
  std::int64_t New = 0;
  std::int64_t Old = 0;
};
SideFileCounts FilesPerSide(Comparison& c);

// The refusal message of the first side whose directory is missing, not a directory, or
// empty (on disk now, or at comparison time) while the other side held files; empty when
// both are fine.
std::string EmptyRootProblem(Comparison& c, platform::FileSystem& fs);

// "The OLD set directory is empty or missing: <root>. ..."
std::string EmptyRootMessage(Side side, const std::string& root);
// The refusal of --MaxDelete:.
std::string MaxDeleteMessage(std::int64_t deletions, std::int64_t limit);
// The window's question before a mass deletion.
std::string MassDeletionQuestion(std::int64_t deletions, std::int64_t displayed);
// Whether the window asks before deleting this many of the displayed files.
bool IsMassDeletion(std::int64_t deletions, std::int64_t displayed);

}  // namespace quorvane
