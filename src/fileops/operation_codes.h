#pragma once
// What a file operation does (operation code), what became of it (outcome code), and
// the picture its result row shows (display code).
#include <array>
#include <cstdint>

namespace quorvane::fileops {

enum class OperationCode : std::uint8_t {
  CopyNewToOld = 0,
  CopyOldToNew = 1,
  CopyNewToTarget = 2,
  CopyOldToTarget = 3,
  DeleteNew = 4,
  DeleteOld = 5,
};

enum class OutcomeCode : std::uint8_t {
  Ok = 0,
  SimulationOk = 1,  // shown instead of Ok in a simulation run; never returned
  Abort = 2,
  Skip = 3,
  OpenError = 4,  // transient: a source that cannot be opened ends as Skip or Abort
  ReadError = 5,
  CreateError = 6,
  CreateDirError = 7,  // transient: a directory that cannot be made ends as Skip or Abort
  WriteError = 8,
  CloseError = 9,
  LfnError = 10,  // skipped after a failed deletion
};

inline constexpr std::array<const char*, 11> kOutcomeCaptions = {
    "Ok", "Simulation Ok", "Abort", "Skip", "Open error", "Read error", "Create error", "Create dir error",
    "Write error", "Close error", "LFN error"};

// The status-list caption of an outcome; an Ok of a simulation run reads "Simulation Ok".
inline const char* OutcomeCaption(OutcomeCode outcome, bool simulation) {
  if (outcome == OutcomeCode::Ok && simulation) outcome = OutcomeCode::SimulationOk;
  return kOutcomeCaptions[static_cast<std::size_t>(outcome)];
}

// Whether the code's source is the New set (0, 2, 4); the others read the Old set.
inline bool SourceIsNew(OperationCode code) {
  return code == OperationCode::CopyNewToOld || code == OperationCode::CopyNewToTarget ||
         code == OperationCode::DeleteNew;
}

// Whether the copy goes to a directory the user chose rather than the other set.
inline bool CopiesToTarget(OperationCode code) {
  return code == OperationCode::CopyNewToTarget || code == OperationCode::CopyOldToTarget;
}

inline bool IsDeletion(OperationCode code) {
  return code == OperationCode::DeleteNew || code == OperationCode::DeleteOld;
}

// The picture of a result row, 0..7: the operation code, plus 4 for a deletion that
// completes a move of a copy code (so 0..3 become 4..7).
inline std::uint8_t DisplayCode(OperationCode code, bool completesMove) {
  const auto value = static_cast<std::uint8_t>(code);
  return completesMove && !IsDeletion(code) ? static_cast<std::uint8_t>(value + 4) : value;
}

}  // namespace quorvane::fileops
