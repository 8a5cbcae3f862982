#include "program/directory_lists_editor.h"

#include "config/ini_values.h"
#include "config/text_lists.h"

namespace quorvane {
namespace {

std::vector<std::string> linesOf(std::string_view memo) {
  std::vector<std::string> lines;
  while (!memo.empty()) {
    const std::size_t end = memo.find('\n');
    std::string_view line = memo.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    memo.remove_prefix(end + 1);
  }
  return lines;
}

std::string memoOf(const SortedTextList& list) {
  std::string memo;
  for (const std::string& item : list.Items()) {
    if (!memo.empty()) memo += '\n';
    memo += item;
  }
  return memo;
}

void refill(SortedTextList& list, std::string_view memo) {
  list.Clear();
  for (const std::string& item : DirectoryLinesOf(memo)) list.Add(item);
}

}  // namespace

std::vector<std::string> DirectoryLinesOf(std::string_view memo) {
  std::vector<std::string> items;
  for (const std::string& line : linesOf(memo))
    if (std::string held = HeldDirectoryName(line); !held.empty()) items.push_back(std::move(held));
  return items;
}

void DirectoryListsEditor::Show() {
  meInclude = memoOf(include_);
  meExclude = memoOf(exclude_);
  page = Page::Include;
}

std::string DirectoryListsEditor::LHelp() const {
  if (page == Page::Include)
    return "Specify specific directories to Include for the next scan.\r\n"
           "Enter one directory per line, without starting \"\\\". Like this :\r\n"
           "  mydata\r\n"
           "  otherdata\\private\r\n";
  return "Specify specific directories to Exclude for all scans.\r\n"
         "Enter one directory per line, without starting \"\\\". Like this :\r\n"
         "  system\\java\r\n"
         "  system32\r\n";
}

void DirectoryListsEditor::Ok() {
  refill(include_, meInclude);
  refill(exclude_, meExclude);
}

std::string DirectoryListsEditor::ExcludeSettingText() const { return LinesToSemicolon(linesOf(meExclude)); }

bool DirectoryListsEditor::Save() const { return WriteText("Directories", "Exclude", ExcludeSettingText()); }

}  // namespace quorvane
