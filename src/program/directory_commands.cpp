#include "program/directory_commands.h"

#include "program/directory_chooser.h"
#include "program/directory_lists_editor.h"

namespace quorvane {

std::optional<std::string> ChooseWithDirectoryChooser(Program& p, std::string_view caption,
                                                      std::string_view startFolder, DirectoryChoice use) {
  Comparison& c = p.comparison;
  const bool forSet = use == DirectoryChoice::SetSelection;
  DirectoryChooserModel chooser(c.IncludeDirs, c.ExcludeDirs);
  chooser.DirectoryNames = p.settings.History.Dirs;
  chooser.cbInclude = p.settings.SelectIncludeDirs;
  chooser.EditLists = [&p](DirectoryListsEditor& editor) { return p.ui.showDirectoryListsEditor(editor); };
  chooser.Show(caption, startFolder, forSet);
  const platform::DialogChoice choice = p.ui.showDirectoryChooser(chooser);
  if (forSet) p.settings.SelectIncludeDirs = chooser.cbInclude;
  if (choice == platform::DialogChoice::Cancel) return std::nullopt;
  if (forSet && chooser.MultiSelect()) chooser.MergeSelection(c.IncludeDirs);
  return chooser.Chosen();
}

platform::DialogChoice EditDirectoryLists(Program& p) {
  if (p.runInProgress) return platform::DialogChoice::Cancel;
  DirectoryListsEditor editor(p.comparison.IncludeDirs, p.comparison.ExcludeDirs);
  editor.Show();
  const platform::DialogChoice choice = p.ui.showDirectoryListsEditor(editor);
  if (choice != platform::DialogChoice::Cancel) {
    editor.Ok();
    p.ui.refreshIndicators();
  }
  return choice;
}

}  // namespace quorvane
