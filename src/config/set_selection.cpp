#include "config/set_selection.h"

#include <algorithm>

#include "config/ini_values.h"
#include "engine/errors.h"
#include "engine/set_kind.h"
#include "engine/snapshot_header.h"
#include "engine/value_text.h"
#include "platform/text_file.h"

namespace quorvane {

namespace {

// The longest snapshot line kept whole, as the snapshot reader keeps it.
constexpr std::size_t kLongestSnapshotLine = 1 << 16;

}  // namespace

void SetSelection::ResetResults() {
  CommandState& cmd = c_.State.Commands;
  cmd.SaveDiff = cmd.Synchronize = cmd.SaveNewListing = cmd.SaveOldListing = cmd.CheckMoved = cmd.EditMenu = false;
  cmd.GridVisible = false;
  cmd.LFilterActive = cmd.LCRCActive = false;
  c_.State.Stats.StatusCounts.fill(0);
  c_.State.Stats.ShownCounts.fill(0);
  c_.Display.Clear();
  c_.Display.SortKind = 0;
  c_.Display.SortType = SortType::FullPath;
  c_.Display.Descending = false;
}

void SetSelection::emptyBothAfterResults(bool resetBoth) {
  if (resetBoth && c_.State.DiffInMemory) {
    for (const Side side : {Side::New, Side::Old}) {
      c_.Set(side).Kind = SetKind::Nothing;
      c_.Set(side).Root = "<Empty>";
      Selection(side).Label = "<Empty>";
      Selection(side).Note.clear();
    }
    c_.State.SnapshotMode = false;
  }
  c_.State.DiffInMemory = false;
}

void SetSelection::store(Side side, const std::string& name, SetKind kind, const std::string& note) {
  c_.Set(side).Root = name;
  c_.Set(side).Kind = kind;
  Selection(side).Note = note;
  Selection(side).Label = NetworkForm(name) + note;
}

void SetSelection::enableDiffWhenBothChosen() {
  if (c_.State.NewSet.Kind == SetKind::Nothing || c_.State.OldSet.Kind == SetKind::Nothing) return;
  c_.State.Commands.Diff = c_.State.Commands.Compare = true;
  c_.State.Commands.ResetDiff = false;
  if (c_.settings.FilterClear && PositionalCount == 0) c_.Files.IFilter = c_.Files.XFilter = 0xFFFF;
}

void SetSelection::OpenSetDirectory(std::string name, Side side, bool resetBoth) {
  ResetResults();
  c_.ClearFiles();
  emptyBothAfterResults(resetBoth);
  if (name.empty() || name.back() != '/') name += '/';
  const std::string label = VolumeLabelOf(name).substr(0, 32);
  store(side, name, SetKind::Directory, label.empty() ? "  <Unlabeled>" : "  [" + label + "]");
  if (side == Side::New) c_.State.Commands.TakeSnapshot = true;
  enableDiffWhenBothChosen();
}

void SetSelection::OpenSetFile(const std::string& name, Side side, bool resetBoth) {
  SetKind kind = SetKindOf(name);
  if (kind == SetKind::Directory) kind = SetKindOrNothing(c_.ui.chooseFileType());
  OpenSetFileOfKind(name, kind, side, resetBoth);
}

void SetSelection::OpenSetFileOfKind(const std::string& name, SetKind kind, Side side, bool resetBoth) {
  Selection(side).Note.clear();
  if (kind == SetKind::Ace || kind == SetKind::Zoo || kind == SetKind::Arc) {
    c_.ui.message("Only ZIP, JAR, RAR, ARJ archives are supported yet", platform::MessageKind::Warning,
                  platform::MessageButtons::Ok);
    return;
  }
  if (kind == SetKind::Nothing) return;
  ResetResults();
  std::string note;
  if (kind == SetKind::Snapshot) {
    // Only the header is read, a line at a time: a huge or sparse file costs no memory.
    bool header = false;
    bool first = true;
    const bool readable = platform::visitLines(name, kLongestSnapshotLine, [&](const std::string& line, bool cut) {
      if (first) {
        first = false;
        header = !cut && IsSnapshotHeader(line);
        return header;
      }
      if (line.rfind(".Source (", 0) == 0) {
        const std::size_t at = line.find(" : ");
        if (at != std::string::npos) note = "  [" + line.substr(at + 3) + "]";
        return false;
      }
      return !cut && line.find("--- ") == std::string::npos;  // the header ends at the dash line
    });
    if (!readable) throw eSnpOpen("Error opening " + name);
    if (!header) throw eSnpHeader(std::string(kSnapshotHeaderMissing));
  }
  c_.ClearFiles();
  emptyBothAfterResults(resetBoth);
  store(side, name, kind, note);
  enableDiffWhenBothChosen();
}

void SetSelection::ReopenSets() {
  for (const Side side : {Side::New, Side::Old}) {
    const SetDescription set = c_.Set(side);
    if (set.Kind == SetKind::Directory)
      OpenSetDirectory(set.Root, side, false);
    else if (set.Kind != SetKind::Nothing)
      OpenSetFileOfKind(set.Root, set.Kind, side, false);
  }
}

void AddToHistory(std::vector<std::string>& list, const std::string& text, std::size_t limit) {
  if (!list.empty() && list.front() == text) return;
  list.erase(std::remove(list.begin(), list.end(), text), list.end());
  list.insert(list.begin(), text);
  if (list.size() > limit) list.pop_back();
}

void SaveHistoryLists(const Settings& settings) {
  WriteFlag("Quorvane", "SelectIncludeDirs", settings.SelectIncludeDirs);
  if (!settings.SaveHistory) return;
  for (std::size_t i = 0; i < settings.History.Dirs.size(); ++i)
    WriteText("History", "Dir" + std::to_string(i), settings.History.Dirs[i]);
  for (std::size_t i = 0; i < settings.History.Files.size(); ++i)
    WriteText("History", "File" + std::to_string(i), settings.History.Files[i]);
}

}  // namespace quorvane
