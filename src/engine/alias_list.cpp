#include "engine/alias_list.h"

#include <algorithm>

#include "engine/path_key.h"

namespace quorvane {

void TAliasList::Add(std::string_view extension, std::string_view replacement) {
  const auto it = std::lower_bound(items_.begin(), items_.end(), extension,
                                   [](const auto& item, std::string_view key) { return compareFolded(item.first, key) < 0; });
  if (it != items_.end() && compareFolded(it->first, extension) == 0) return;
  items_.emplace(it, std::string(extension), std::string(replacement));
}

std::int32_t TAliasList::IndexOf(std::string_view extension) const {
  const auto it = std::lower_bound(items_.begin(), items_.end(), extension,
                                   [](const auto& item, std::string_view key) { return compareFolded(item.first, key) < 0; });
  if (it == items_.end() || compareFolded(it->first, extension) != 0) return -1;
  return static_cast<std::int32_t>(it - items_.begin());
}

void SortedTextList::Add(std::string_view text) {
  const auto it = std::lower_bound(items_.begin(), items_.end(), text,
                                   [](const std::string& item, std::string_view key) { return compareFolded(item, key) < 0; });
  if (it != items_.end() && compareFolded(*it, text) == 0) return;
  items_.emplace(it, text);
}

bool SortedTextList::Contains(std::string_view text) const {
  const auto it = std::lower_bound(items_.begin(), items_.end(), text,
                                   [](const std::string& item, std::string_view key) { return compareFolded(item, key) < 0; });
  return it != items_.end() && compareFolded(*it, text) == 0;
}

void SortedTextList::Remove(std::string_view text) {
  const auto it = std::lower_bound(items_.begin(), items_.end(), text,
                                   [](const std::string& item, std::string_view key) { return compareFolded(item, key) < 0; });
  if (it != items_.end() && compareFolded(*it, text) == 0) items_.erase(it);
}

}  // namespace quorvane
