#pragma once
// The directory chooser ("Open Directory") without Qt: the directory name with its
// drop-down, the drives, the directory list (the current directory's ancestors, then its
// subdirectories) with the selection of subdirectories that restricts the next scan to
// them, the count of included directories and the merge of that selection into the
// include-directory list.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/alias_list.h"
#include "platform/user_interface.h"
#include "program/directory_lists_editor.h"

namespace quorvane {

// One row of the directory list.
struct DirectoryItem {
  std::string Name;           // the folder's name; "/" for the root
  bool Subdirectory = false;  // false: an ancestor (open folder), true: a subdirectory (closed folder)
  int Indent = 0;             // pixels before the folder picture
  bool Selected = false;      // subdirectories in multi-select mode only
};

class DirectoryChooserModel {
 public:
  using DriveReader = std::function<std::vector<std::string>()>;
  using SubdirectoryReader = std::function<bool(const std::string& directory, std::vector<std::string>& names)>;

  // The lists are the include- and exclude-directory lists (not owned). The readers give
  // the drives and a directory's subdirectories; by default the system's.
  DirectoryChooserModel(SortedTextList& include, SortedTextList& exclude, DriveReader drives = {},
                        SubdirectoryReader subdirectories = {});

  // "Directory name :" shows this many items of its drop-down.
  static constexpr int kDropDownCount = 10;
  static constexpr std::string_view kCaption = "Open Directory";
  static constexpr std::string_view kBadDirectoryCaption = "Error : Bad directory";
  static constexpr std::string_view kCountPattern = "%d Included directories";
  static constexpr std::string_view kHelpTopic = "Open_directory";

  // Showing and activating: the caption, the list at the start folder (when it cannot be
  // opened the list stays where it was, at "/" the first time), the drives read, and
  // cbInclude shown (set selection) or hidden (a target directory). Multi-select mode is
  // cbInclude shown and ticked.
  void Show(std::string_view caption, std::string_view startFolder, bool includeVisible);

  // DirectoryName typed: the list goes there; a name that is not a directory turns the
  // caption into "Error : Bad directory", a good one brings the caption back.
  void EditDirectoryName(std::string_view text);
  // Double click on row: an ancestor or a subdirectory becomes the directory.
  void OpenItem(std::size_t row);
  // A drive chosen in "Drives :".
  void ChooseDrive(std::size_t index);
  // "Refresh drives": the drives read again.
  void RefreshDrives();
  // A click in the list: the rows now selected (subdirectory rows count, in multi-select
  // mode only); then the recount.
  void SelectRows(const std::vector<std::size_t>& rows);
  // cbInclude clicked.
  void IncludeClicked(bool ticked);
  // bnDirs: the include/exclude editor (through EditLists) on the two lists, OK there
  // replacing them; then the recount.
  void bnDirsClick();
  std::function<platform::DialogChoice(DirectoryListsEditor&)> EditLists;

  // Every subdirectory row: selected adds its name to the list, unselected removes it.
  void MergeSelection(SortedTextList& list) const;

  // The directory OK gives: DirectoryName made absolute (a typed relative name starts
  // where the list was before typing).
  std::string Chosen() const;

  bool MultiSelect() const { return cbIncludeVisible && cbInclude; }
  const std::string& Directory() const { return directory_; }
  SortedTextList& IncludeList() { return include_; }
  SortedTextList& ExcludeList() { return exclude_; }

  std::string StartFolder;  // as Show was given it
  std::string Caption;
  std::string DirectoryName;                   // the edit's text; read by the caller after OK
  std::vector<std::string> DirectoryNames;     // its drop-down (the directory history)
  std::vector<std::string> Drives;             // DriveComboBox1
  int DriveIndex = -1;                         // the drive holding the directory
  std::vector<DirectoryItem> Items;            // the list's rows, ancestors first
  bool cbIncludeVisible = true;
  bool cbInclude = false;                      // "Single-click includes only selected subdirs"
  int Count = 0;                               // the included directories after OK
  std::string bnDirs;                          // the count pattern with Count
  bool IndicatorLit = false;                   // pnDirIndicator bright green (Count above 0)

 private:
  // Lists the directory; false (nothing changed) when it cannot be listed.
  bool setDirectory(const std::string& path);
  // After the directory changed: the edit shows it, the selection follows the include list.
  void directoryChanged();
  void Recount();

  SortedTextList& include_;
  SortedTextList& exclude_;
  DriveReader readDrives_;
  SubdirectoryReader readSubdirectories_;
  std::string directory_ = "/";
  std::string typingBase_ = "/";  // where a relative DirectoryName starts
  std::string rememberedCaption_;
};

// The absolute, normalised form of a typed directory name: relative names start at base,
// "." and ".." are resolved, repeated and trailing "/" dropped ("/" stays).
std::string NormalisedDirectory(std::string_view text, std::string_view base);

// The names of a directory's subdirectories that the list shows (hidden ones, whose names
// begin with ".", left out), sorted without regard to case; false when it cannot be listed.
bool ListSubdirectories(const std::string& directory, std::vector<std::string>& names);

}  // namespace quorvane
