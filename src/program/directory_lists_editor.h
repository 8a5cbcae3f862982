#pragma once
// The include/exclude directories editor ("Include / Exclude directories") without Qt:
// the two memos over the include- and exclude-directory lists, the page's help text, OK
// with its line rules and Save of the exclude list.
#include <string>
#include <string_view>
#include <vector>

#include "engine/alias_list.h"

namespace quorvane {

// A memo's text as list items, line by line: a line that is empty or only a separator is
// dropped, one trailing separator is removed, "/" is held as "\" and nothing else
// changes (a leading "\" stays).
std::vector<std::string> DirectoryLinesOf(std::string_view memo);

class DirectoryListsEditor {
 public:
  enum class Page { Include = 0, Exclude = 1 };

  DirectoryListsEditor(SortedTextList& include, SortedTextList& exclude) : include_(include), exclude_(exclude) {}

  // Showing: the memos get the lists, one item a line; the include page comes first.
  void Show();

  std::string meInclude;
  std::string meExclude;
  Page page = Page::Include;

  // bnSave "&Save" is shown on the exclude page only.
  bool bnSaveVisible() const { return page == Page::Exclude; }
  // LHelp of the page shown.
  std::string LHelp() const;

  // bnOK: both lists are emptied and refilled from their memos (DirectoryLinesOf).
  void Ok();
  // bnSave: the exclude memo's lines joined by ";", as they stand, written as
  // [Directories] Exclude. False when the file could not be written.
  std::string ExcludeSettingText() const;
  bool Save() const;

  static constexpr std::string_view kCaption = "Include / Exclude directories";
  static constexpr std::string_view kHelpTopic = "IncludeExcludeDirectories";

 private:
  SortedTextList& include_;
  SortedTextList& exclude_;
};

}  // namespace quorvane
