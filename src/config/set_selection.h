#pragma once
// Choosing the New and Old sets: directories, archives and snapshots, their side notes and
// labels, the history lists. Choosing a set discards the shown results; after a finished
// comparison a choice with resetBoth starts a new pair.
#include <cstddef>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "engine/comparison.h"

namespace quorvane {

struct SideSelection {
  std::string Note;        // "  [label]", "  <Unlabeled>", "  [snapshot source]" or ""
  std::string Label = "<Empty>";  // display form of the name + note
  std::string LastFolder;  // start folder of the next dialog for this side
};

class SetSelection {
 public:
  SetSelection(Comparison& c) : c_(c) {}

  // Discards the shown results: commands that need results are disabled, the sort
  // choice returns to its first values.
  void ResetResults();
  void OpenSetDirectory(std::string name, Side side, bool resetBoth);
  // Detects the kind (asking the file type when the extension says nothing). Throws
  // eSnpOpen / eSnpHeader for a snapshot that cannot be read.
  void OpenSetFile(const std::string& name, Side side, bool resetBoth);
  // Opens the file as the given kind, without detection.
  void OpenSetFileOfKind(const std::string& name, SetKind kind, Side side, bool resetBoth);
  // Chooses both current sets again with their kinds, keeping the other side.
  void ReopenSets();

  SideSelection& Selection(Side side) { return side == Side::New ? new_ : old_; }
  const SideSelection& Selection(Side side) const { return side == Side::New ? new_ : old_; }

  // Non-zero while start-up opens the command-line sets: the filters are then kept.
  std::size_t PositionalCount = 0;

 private:
  void emptyBothAfterResults(bool resetBoth);
  void enableDiffWhenBothChosen();
  void store(Side side, const std::string& name, SetKind kind, const std::string& note);

  Comparison& c_;
  SideSelection new_;
  SideSelection old_;
};

// Puts text at the top of a history list (newest first, no duplicates, at most limit).
void AddToHistory(std::vector<std::string>& list, const std::string& text, std::size_t limit);

inline constexpr std::size_t kDirectoryHistoryLimit = 10;
inline constexpr std::size_t kFileHistoryLimit = 10;
inline constexpr std::size_t kDestinationHistoryLimit = 8;

// Writes [Quorvane] SelectIncludeDirs and, with SaveHistory, [History] Dir0.., File0...
void SaveHistoryLists(const Settings& settings);

}  // namespace quorvane
