#include "program/directory_chooser.h"

#include <algorithm>

#include "engine/path_key.h"
#include "platform/browse_drives.h"
#include "platform/directory_listing.h"
#include "platform/file_attributes.h"

namespace quorvane {
namespace {

std::vector<std::string> componentsOf(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::string pathOf(const std::vector<std::string>& parts, std::size_t count) {
  std::string path;
  for (std::size_t i = 0; i < count; ++i) path += "/" + parts[i];
  return path.empty() ? std::string("/") : path;
}

std::string countText(std::string_view pattern, int count) {
  std::string text(pattern);
  if (const std::size_t at = text.find("%d"); at != std::string::npos) text.replace(at, 2, std::to_string(count));
  return text;
}

}  // namespace

std::string NormalisedDirectory(std::string_view text, std::string_view base) {
  std::vector<std::string> parts;
  if (text.empty() || text[0] != '/') parts = componentsOf(base);
  for (std::string& part : componentsOf(text)) {
    if (part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(std::move(part));
  }
  return pathOf(parts, parts.size());
}

bool ListSubdirectories(const std::string& directory, std::vector<std::string>& names) {
  std::vector<std::string> found;
  const bool listed = platform::listDirectory(directory, [&found](const platform::DirectoryEntry& e) {
    if ((e.attributes & platform::faDirectory) && !e.name.starts_with(".")) found.emplace_back(e.name);
    return true;
  });
  if (!listed) return false;
  std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
    const int folded = compareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b;
  });
  names = std::move(found);
  return true;
}

DirectoryChooserModel::DirectoryChooserModel(SortedTextList& include, SortedTextList& exclude, DriveReader drives,
                                             SubdirectoryReader subdirectories)
    : include_(include),
      exclude_(exclude),
      readDrives_(drives ? std::move(drives) : DriveReader(&platform::browseDrives)),
      readSubdirectories_(subdirectories ? std::move(subdirectories) : SubdirectoryReader(&ListSubdirectories)) {}

void DirectoryChooserModel::Show(std::string_view caption, std::string_view startFolder, bool includeVisible) {
  StartFolder = std::string(startFolder);
  Caption = std::string(caption);
  rememberedCaption_ = Caption;
  cbIncludeVisible = includeVisible;
  Drives = readDrives_();
  if (startFolder.empty() || !setDirectory(NormalisedDirectory(startFolder, directory_))) {
    if (Items.empty() || !setDirectory(directory_)) setDirectory("/");
  }
  directoryChanged();
}

bool DirectoryChooserModel::setDirectory(const std::string& path) {
  std::vector<std::string> names;
  if (!readSubdirectories_(path, names)) return false;
  directory_ = path;
  const std::vector<std::string> parts = componentsOf(path);
  Items.clear();
  Items.push_back({"/", false, 2, false});
  for (std::size_t i = 0; i < parts.size(); ++i) Items.push_back({parts[i], false, 4 * static_cast<int>(i + 1) + 2, false});
  const int depth = static_cast<int>(parts.size());
  for (std::string& name : names) Items.push_back({std::move(name), true, 4 * depth + 6, false});
  DriveIndex = platform::driveHolding(Drives, directory_);
  return true;
}

void DirectoryChooserModel::directoryChanged() {
  DirectoryName = directory_;
  typingBase_ = directory_;
  for (DirectoryItem& item : Items) item.Selected = MultiSelect() && item.Subdirectory && include_.Contains(item.Name);
  Recount();
}

void DirectoryChooserModel::EditDirectoryName(std::string_view text) {
  DirectoryName = std::string(text);
  if (!text.empty() && setDirectory(NormalisedDirectory(text, typingBase_))) {
    Caption = rememberedCaption_;
    for (DirectoryItem& item : Items)
      item.Selected = MultiSelect() && item.Subdirectory && include_.Contains(item.Name);
    Recount();
  } else {
    Caption = std::string(kBadDirectoryCaption);
  }
}

std::string DirectoryChooserModel::Chosen() const {
  return NormalisedDirectory(DirectoryName, typingBase_);
}

void DirectoryChooserModel::OpenItem(std::size_t row) {
  if (row >= Items.size()) return;
  std::string target;
  const std::vector<std::string> parts = componentsOf(directory_);
  if (Items[row].Subdirectory)
    target = directory_ == "/" ? "/" + Items[row].Name : directory_ + "/" + Items[row].Name;
  else
    target = pathOf(parts, row);
  if (setDirectory(target)) directoryChanged();
}

void DirectoryChooserModel::ChooseDrive(std::size_t index) {
  if (index >= Drives.size()) return;
  if (setDirectory(Drives[index])) directoryChanged();
}

void DirectoryChooserModel::RefreshDrives() {
  Drives = readDrives_();
  DriveIndex = platform::driveHolding(Drives, directory_);
}

void DirectoryChooserModel::SelectRows(const std::vector<std::size_t>& rows) {
  for (DirectoryItem& item : Items) item.Selected = false;
  if (MultiSelect())
    for (const std::size_t row : rows)
      if (row < Items.size() && Items[row].Subdirectory) Items[row].Selected = true;
  Recount();
}

void DirectoryChooserModel::IncludeClicked(bool ticked) {
  cbInclude = ticked;
  Recount();
}

void DirectoryChooserModel::Recount() {
  Count = static_cast<int>(include_.Count());
  if (MultiSelect()) {
    for (const DirectoryItem& item : Items) {
      if (!item.Subdirectory) continue;
      const bool listed = include_.Contains(item.Name);
      if (item.Selected && !listed) ++Count;
      if (!item.Selected && listed) --Count;
    }
  }
  IndicatorLit = Count > 0;
  bnDirs = countText(kCountPattern, Count);
}

void DirectoryChooserModel::bnDirsClick() {
  if (EditLists) {
    DirectoryListsEditor editor(include_, exclude_);
    editor.Show();
    if (EditLists(editor) != platform::DialogChoice::Cancel) editor.Ok();
  }
  Recount();
}

void DirectoryChooserModel::MergeSelection(SortedTextList& list) const {
  for (const DirectoryItem& item : Items) {
    if (!item.Subdirectory) continue;
    if (item.Selected)
      list.Add(item.Name);
    else
      list.Remove(item.Name);
  }
}

}  // namespace quorvane
