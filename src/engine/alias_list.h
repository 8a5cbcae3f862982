#pragma once
// The extension alias list: extension (without the dot, compared without regard to
// case, a second equal key ignored) -> replacement extension text, kept sorted, with a
// count of the names it rewrote.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class TAliasList {
 public:
  // Stores a private copy of the pair; a key already present is ignored.
  void Add(std::string_view extension, std::string_view replacement);
  // Position of the key, or -1.
  std::int32_t IndexOf(std::string_view extension) const;
  const std::string& Replacement(std::int32_t index) const { return items_[static_cast<std::size_t>(index)].second; }
  const std::string& Extension(std::int32_t index) const { return items_[static_cast<std::size_t>(index)].first; }
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  void Clear() { items_.clear(); }

  std::uint32_t RewriteCount = 0;

 private:
  std::vector<std::pair<std::string, std::string>> items_;
};

// A sorted list of texts without duplicates (case-insensitive), as used for the
// include- and exclude-directory lists.
class SortedTextList {
 public:
  void Add(std::string_view text);
  bool Contains(std::string_view text) const;
  // Removes the text when present (compared as Add compares).
  void Remove(std::string_view text);
  const std::vector<std::string>& Items() const { return items_; }
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  void Clear() { items_.clear(); }
  bool operator==(const SortedTextList&) const = default;

 private:
  std::vector<std::string> items_;
};

}  // namespace quorvane
