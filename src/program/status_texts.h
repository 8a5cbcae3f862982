#pragma once
// The texts of the comparison status window ("Comparison status"), one per label, from
// the figures of the last run. The window only shows them.
#include <array>
#include <cstdint>
#include <string>

#include "platform/user_interface.h"

namespace quorvane {

struct StatusTexts {
  std::string compared;       // LCompared
  std::string matching;       // LMatching
  std::string newDuplicates;  // LNewDupes
  std::string oldDuplicates;  // LOldDupes
  std::string filesInError;   // LErrFiles
  // LSame, LDiffers, LInserted, LDeleted, LNewer, LOlder, LBigger, LSmaller.
  std::array<std::string, 8> shown;
  std::string memory;      // LMemUsedLeft: "%d kb used"
  std::string elapsed;     // LElapsed: "hh:mm:ss  <ms>'"
  std::string saveStatus;  // LSaveStatus: "Saved" (green) or "Not saved" (red)
  bool saved = false;
  bool warningVisible = false;  // LWarningPath
};

StatusTexts StatusTextsOf(const platform::StatusSummary& summary);

// A duration as hours, minutes and seconds of two digits each joined by ":", two blanks,
// the milliseconds and "'": 65250 ms gives "00:01:05  250'".
std::string StatusElapsedText(std::uint64_t ms);

}  // namespace quorvane
