#pragma once
// The state of the operation status window ("File operation status"), without Qt: the
// texts, both bars, the counters, the simulation mark, the Abort/Close button and the
// result list. The engine drives it; a window is only its face (FileOpStatusFace), told
// what changed and drawing the result rows on demand from resultCount() and result().
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/file_entry.h"
#include "fileops/operation_codes.h"

namespace quorvane::platform {
class UserInterface;
}

namespace quorvane::fileops {

inline constexpr std::string_view kStatusCaption = "File operation status";

// One result row: its picture, its outcome, the target directory of the copy (an index
// into targets(), 0 for none) and the entry (not owned).
struct TStatusItem {
  std::uint8_t DisplayCode = 0;
  OutcomeCode Outcome = OutcomeCode::Ok;
  std::uint32_t Target = 0;
  const FileEntry* Entry = nullptr;
};

struct FileOpCounters {
  std::uint32_t Created = 0;
  std::uint32_t Replaced = 0;
  std::uint32_t Deleted = 0;
  std::uint32_t Errors = 0;
};

// What changed since the face was last told (bits).
enum StatusChange : unsigned {
  scTexts = 0x01,     // LStatus, LSource, LDest
  scFileBar = 0x02,
  scTotal = 0x04,     // total bar and LCompletion
  scCounters = 0x08,  // the four counters and the colour of LErrors
  scResults = 0x10,   // rows appended or the list emptied; the last row is to be shown
  scFrame = 0x20,     // caption, simulation mark, slow-simulation box, button
};

// The window that shows the model.
class FileOpStatusFace {
 public:
  virtual ~FileOpStatusFace() = default;
  virtual void statusChanged(unsigned changes) = 0;
  virtual void showModeless() = 0;
  // Shows the window until the user closes it (Close or Escape).
  virtual void showModal() = 0;
  virtual void hideWindow() = 0;
};

class FileOpStatusModel {
 public:
  void setFace(FileOpStatusFace* face) { face_ = face; }

  // The operations of a run.
  void ResetStatus(bool simulation, int firstRow, int lastRow);
  void StartFile(std::string_view status, std::string_view source, std::uint64_t size, int row, std::string_view dest);
  void SetFileProgress(std::uint64_t position);
  void ShowProgress(std::string_view name, int row);
  void RefreshTotal();
  void UpdateCounters();
  // reason: why the file was left alone, when the outcome alone does not say it.
  void AddResult(std::uint8_t displayCode, OutcomeCode outcome, const FileEntry& entry, std::string_view target,
                 std::string_view reason = {});
  void ShowComplete();
  void ShowModeless();
  void ShowModal();
  void Hide();

  // The counters, changed by the engine directly; UpdateCounters shows them.
  FileOpCounters& Counters() { return counters_; }
  const FileOpCounters& Counters() const { return counters_; }

  // "Slow Simulation": ticked at start, the user may untick it during a simulation.
  bool SlowSimulation() const { return slowSimulation_; }
  // Deleted and replaced files go to the trash: the counters show "(trash)" beside them.
  bool TrashInUse() const { return trashInUse_; }
  void setTrashInUse(bool on);
  void setSlowSimulation(bool on);

  // bnAbort (and Escape): while "Abort" and no abort is pending, asks to confirm and
  // on OK sets the abort flag and disables the button. Returns true when the button is
  // "Close" (the face then closes the window).
  bool bnAbortClick(platform::UserInterface& ui);

  // What the face draws.
  const std::string& Caption() const { return caption_; }
  const std::string& LStatus() const { return status_; }
  const std::string& LSource() const { return source_; }
  const std::string& LDest() const { return dest_; }
  const std::string& LCompletion() const { return completion_; }
  int FileBar() const { return fileBar_; }
  int TotalBar() const { return totalBar_; }
  bool Simulation() const { return simulation_; }
  bool SlowSimulationEnabled() const { return simulation_; }
  bool ErrorsRed() const { return shownCounters_.Errors > 0; }
  const FileOpCounters& ShownCounters() const { return shownCounters_; }
  const std::string& AbortCaption() const { return abortCaption_; }
  bool AbortEnabled() const { return abortEnabled_; }
  bool Visible() const { return visible_; }
  int Total() const { return total_; }

  std::size_t resultCount() const { return results_.size(); }
  const TStatusItem& result(std::size_t row) const { return results_[row]; }
  const std::string& targetText(const TStatusItem& item) const { return targets_[item.Target]; }
  // The row's texts: the outcome's caption (Ok as "Simulation Ok" in simulation) and Path.
  const char* resultCaption(std::size_t row) const;
  std::string resultPath(std::size_t row) const;
  // The reason given with the row's outcome; empty for most rows.
  std::string_view resultReason(std::size_t row) const;

 private:
  void notify(unsigned changes);
  int percentOf(int done) const;

  FileOpStatusFace* face_ = nullptr;
  std::string caption_{kStatusCaption};
  std::string status_, source_, dest_;
  std::string completion_ = "n/a";
  int fileBar_ = 0;
  int totalBar_ = 0;
  bool simulation_ = false;
  bool slowSimulation_ = true;
  std::string abortCaption_ = "Abort";
  bool abortEnabled_ = true;
  bool visible_ = false;
  FileOpCounters counters_;
  FileOpCounters shownCounters_;
  int first_ = 0, last_ = -1, total_ = 0;
  int row_ = 0;
  std::uint64_t size_ = 0;
  int done_ = 0;
  int percent_ = 0;
  std::vector<TStatusItem> results_;
  std::vector<std::string> targets_{std::string()};
  // The few rows with a reason, by row (appended in order, so sorted).
  std::vector<std::pair<std::size_t, std::string>> reasons_;
  bool trashInUse_ = false;
};

}  // namespace quorvane::fileops
