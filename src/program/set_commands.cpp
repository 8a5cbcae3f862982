#include "program/set_commands.h"

#include "config/set_selection.h"
#include "engine/errors.h"
#include "program/directory_commands.h"
#include "platform/directory_listing.h"

namespace quorvane {

namespace {

constexpr std::size_t kLongestDroppedName = 1024;
constexpr int kDropDeadZone = 32;  // pixels either side of the middle

void noticeNewSelection(Program& p) {
  p.ui.resultsChanged();
  p.ui.commandsChanged();
}

bool isNewButton(SetButton button) { return button == SetButton::NewDirectory || button == SetButton::NewFile; }
bool isDirectoryButton(SetButton button) {
  return button == SetButton::NewDirectory || button == SetButton::OldDirectory;
}

// The folder holding a path: everything up to its last "/" (kept), or empty.
std::string folderOf(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  const std::size_t slash = p.rfind('/');
  return slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
}

std::string withoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string lastNameOf(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  const std::size_t slash = p.rfind('/');
  return slash == std::string::npos ? p : p.substr(slash + 1);
}

// After a finished comparison a new choice may start with an empty include list.
SortedTextList includeListBeforeChoice(Program& p) {
  if (p.comparison.State.DiffInMemory && p.settings.ClearIncludeDirs) p.comparison.IncludeDirs.Clear();
  return p.comparison.IncludeDirs;
}

void openFileSet(Program& p, Side side, const std::string& path, bool resetBoth) {
  try {
    p.selection.OpenSetFile(path, side, resetBoth);
  } catch (const Exception& e) {
    p.ui.messageAbout(e.what(), platform::MessageKind::Error, platform::MessageButtons::Ok, {path, {}});
  }
}

}  // namespace

void ChooseSetDirectory(Program& p, Side side, const std::string& path) {
  if (p.runInProgress) return;
  p.selection.OpenSetDirectory(path, side, true);
  noticeNewSelection(p);
}

bool ChooseSetFile(Program& p, Side side, const std::string& path) {
  if (p.runInProgress) return false;
  openFileSet(p, side, path, true);
  const SetDescription& after = p.comparison.Set(side);
  noticeNewSelection(p);
  return after.Root == path && after.Kind != SetKind::Nothing;
}

void ChooseDirectoryByDialog(Program& p, Side side) {
  if (p.runInProgress) return;
  const SortedTextList kept = includeListBeforeChoice(p);
  SideSelection& selection = p.selection.Selection(side);
  const char* title = side == Side::New ? "Please select NEW directory" : "Please select OLD directory";
  const std::optional<std::string> chosen =
      p.settings.Win95Dirs ? p.ui.chooseDirectory(title, selection.LastFolder)
                           : ChooseWithDirectoryChooser(p, title, selection.LastFolder, DirectoryChoice::SetSelection);
  if (chosen && !chosen->empty()) {
    selection.LastFolder = *chosen;
    AddToHistory(p.settings.History.Dirs, *chosen, kDirectoryHistoryLimit);
    p.selection.OpenSetDirectory(*chosen, side, true);
    if (!p.settings.SelectIncludeDirs) p.comparison.IncludeDirs.Clear();
    noticeNewSelection(p);
  } else {
    p.comparison.IncludeDirs = kept;
  }
  SaveHistoryLists(p.settings);
  p.ui.refreshIndicators();
}

const std::vector<std::string>& ArchiveFileFilters() {
  static const std::vector<std::string> filters = {
      "All known files (*.ZIP *.EXE *.SNP *.LST *.JAR *.RAR *.ARJ *.ACE)",
      "ZIP archives (*.ZIP)",
      "RAR archives (*.RAR)",
      "ACE archives (*.ACE)",
      "ARJ archives (*.ARJ)",
      "LHA archives (*.LHA *.LZH *.PAK)",
      "ZOO archives (*.ZOO)",
      "ARC archives (*.ARC)",
      "Quorvane snapshots (*.SNP *.LST)",
      "JAR archives (*.JAR)",
      "All files (*)",
  };
  return filters;
}

void ChooseFileByDialog(Program& p, Side side) {
  if (p.runInProgress) return;
  const SortedTextList kept = includeListBeforeChoice(p);
  SideSelection& selection = p.selection.Selection(side);
  const std::optional<std::string> chosen =
      p.ui.chooseOpenFile(side == Side::New ? "Open New archive/snapshot" : "Open Old archive/snapshot",
                          selection.LastFolder, ArchiveFileFilters());
  if (chosen && !chosen->empty()) {
    selection.LastFolder = folderOf(*chosen);
    AddToHistory(p.settings.History.Files, *chosen, kFileHistoryLimit);
    openFileSet(p, side, *chosen, true);
    noticeNewSelection(p);
  } else {
    p.comparison.IncludeDirs = kept;
  }
  SaveHistoryLists(p.settings);
}

const std::vector<std::string>& HistoryOfButton(const Program& p, SetButton button) {
  return isDirectoryButton(button) ? p.settings.History.Dirs : p.settings.History.Files;
}

void ChooseFromHistory(Program& p, SetButton button, std::size_t entry) {
  if (p.runInProgress) return;
  const std::vector<std::string>& history = HistoryOfButton(p, button);
  if (entry >= history.size()) return;
  const std::string name = history[entry];  // a copy: choosing may not touch the list
  const Side side = isNewButton(button) ? Side::New : Side::Old;
  if (isDirectoryButton(button))
    p.selection.OpenSetDirectory(name, side, true);
  else
    openFileSet(p, side, name, true);
  noticeNewSelection(p);
}

void DropOnWindow(Program& p, int x, int width, const std::vector<std::string>& names) {
  if (p.runInProgress || names.empty()) return;
  const int fromMiddle = x - width / 2;
  if (fromMiddle > -kDropDeadZone && fromMiddle < kDropDeadZone) {
    p.ui.message(
        "File or directory dropped too close from the middle of the window.\r\nPlease drop your directory of file "
        "clearly in the LEFT half of the window\r\nto use it as the NEW set of files, or the RIGHT half of the "
        "window\r\nto use it as the OLD set of files.",
        platform::MessageKind::Warning, platform::MessageButtons::Ok);
    return;
  }
  const Side side = fromMiddle < 0 ? Side::New : Side::Old;
  const std::string first = names.front().substr(0, kLongestDroppedName);
  if (platform::directoryExists(first)) {
    std::string set = first;
    SortedTextList include;
    if (names.size() > 1) {
      for (const std::string& name : names) {
        if (!platform::directoryExists(name)) {
          p.ui.message(name + " is NOT a directory. Please select only directories", platform::MessageKind::Error,
                       platform::MessageButtons::Ok);
          return;
        }
        include.Add(lastNameOf(name));
      }
      set = folderOf(first);
    }
    set = withoutTrailingSlash(set);
    p.comparison.IncludeDirs = include;
    AddToHistory(p.settings.History.Dirs, set, kDirectoryHistoryLimit);
    p.selection.OpenSetDirectory(set, side, false);
  } else {
    p.comparison.IncludeDirs.Clear();
    AddToHistory(p.settings.History.Files, first, kFileHistoryLimit);
    openFileSet(p, side, first, false);
  }
  SaveHistoryLists(p.settings);
  noticeNewSelection(p);
}

}  // namespace quorvane
