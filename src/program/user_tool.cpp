#include "program/user_tool.h"

#include "engine/value_text.h"
#include "platform/command_words.h"
#include "platform/path_form.h"

namespace quorvane {

namespace {

// 1-based position of the first occurrence of either placeholder, the lower-case one
// first; 0 when absent. Sets upper when the upper-case one was taken.
std::size_t PlaceholderAt(std::string_view text, char lower, char upper) {
  const char first[] = {'%', lower, '\0'};
  const char second[] = {'%', upper, '\0'};
  std::size_t at = text.find(first);
  if (at == std::string_view::npos) at = text.find(second);
  return at == std::string_view::npos ? 0 : at + 1;
}

// The path as it replaces its placeholder. %N and %O would give the short form where the
// file system has one; Linux has none, so every letter gives the long path.
std::string ReplacementOf(std::string_view path) {
  return path.empty() ? std::string() : platform::QuoteCommandWord(path);
}

void Warn(platform::UserInterface& ui, std::string_view text) {
  ui.message(text, platform::MessageKind::Warning, platform::MessageButtons::Ok);
}

}  // namespace

std::string BuildToolCommand(std::string_view parameters, std::string_view newPath, std::string_view oldPath) {
  std::string text(parameters);
  std::size_t newAt = PlaceholderAt(text, 'n', 'N');
  std::size_t oldAt = PlaceholderAt(text, 'o', 'O');
  if (newAt == 0 && oldAt == 0) return std::string(kNoPlaceholders);
  if (newAt != 0 && oldAt != 0 && (newAt > oldAt ? newAt - oldAt : oldAt - newAt) < 3) return std::string(kTooNarrow);
  if (newAt != 0) {
    const std::string path = ReplacementOf(newPath);
    text.replace(newAt - 1, 2, path);
    if (oldAt > newAt) oldAt = oldAt + path.size() - 2;
  }
  if (oldAt != 0) text.replace(oldAt - 1, 2, ReplacementOf(oldPath));
  return TrimBlanks(text);
}

ToolFiles ToolFilesOf(const Comparison& c, const FileEntry& e) {
  const RunState& s = c.State;
  ToolFiles files;
  const bool newPresent = s.SnapshotMode || !(e.Status & stDeleted);
  const bool oldPresent = !s.SnapshotMode && !(e.Status & stInserted) && s.OldSet.Kind != SetKind::Nothing;
  if (newPresent && s.NewSet.Kind == SetKind::Directory) files.newPath = platform::joinNative(s.NewSet.Root, e.Path());
  if (oldPresent && s.OldSet.Kind == SetKind::Directory) files.oldPath = platform::joinNative(s.OldSet.Root, e.Path());
  return files;
}

void UserTool(ExternalPrograms& runner, const PointedEntry& pointed, bool confirm) {
  Program& p = runner.program();
  if (p.runInProgress || !pointed.entry) return;
  const ToolFiles files = ToolFilesOf(p.comparison, *pointed.entry);
  Settings& s = p.settings;
  if (confirm) {
    UserToolFields fields{s.DefaultUserTool, s.DefaultUserParms, s.ConfirmUserTool};
    if (!p.ui.showUserToolDialog(fields)) return;
    if (TrimBlanks(fields.edDefaultUserTool).empty()) {
      Warn(p.ui, "No program specified");
      return;
    }
    if (TrimBlanks(fields.edDefaultUserParms).empty()) {
      Warn(p.ui, "No program parameters specified");
      return;
    }
    s.DefaultUserTool = fields.edDefaultUserTool;
    s.DefaultUserParms = fields.edDefaultUserParms;
    s.ConfirmUserTool = fields.cbConfirmDefaultUserTool;
  }
  s.DefaultUserTool = TrimBlanks(s.DefaultUserTool);
  s.DefaultUserParms = TrimBlanks(s.DefaultUserParms);
  if (s.DefaultUserTool.empty()) return;
  const std::string command = BuildToolCommand(s.DefaultUserParms, files.newPath, files.oldPath);
  if (command == kNoPlaceholders) {
    Warn(p.ui,
         "You must specify at least the New\ror the Old file to open with the user tool,\rusing placeholders : %n for "
         "New file, and\r%o for Old file.\r(note: you can use %N and %O for short filenames)\rExample : diff.exe %N %O");
    return;
  }
  if (command == kTooNarrow) {
    Warn(p.ui, "At least 1 space is needed between the two placeholders");
    return;
  }
  runner.RunExternal(s.DefaultUserTool, command);
}

}  // namespace quorvane
