#pragma once
// The text of an INI file with the Windows profile rules: "[Section]" lines, "Key=Value"
// lines; section and key names compare without regard to ASCII case and the first match
// wins; the blanks around a name or a value are not part of it. Lines that are neither a
// section nor a key (comments, blank lines) are kept as they are.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane::platform {

class ProfileText {
 public:
  ProfileText() = default;
  explicit ProfileText(std::string_view fileText);

  // The value of the key in the first section of that name, or nothing.
  std::optional<std::string> find(std::string_view section, std::string_view key) const;

  // Replaces the key's line in the first section of that name, or appends the key at the
  // end of that section, or appends the section with the key at the end of the text.
  // The caller keeps line breaks out of section, key and value.
  void set(std::string_view section, std::string_view key, std::string_view value);

  // The whole text, each line ended as the file's lines were (CR LF or LF).
  std::string text() const;

 private:
  // Index of the section's header line, or lines_.size().
  std::size_t sectionLine(std::string_view section) const;
  // Index one past the section's last line (its last key or comment, blank lines excluded).
  std::size_t sectionEnd(std::size_t header) const;
  std::size_t keyLine(std::size_t header, std::string_view key) const;

  std::vector<std::string> lines_;
  bool crlf_ = false;
};

// Every value of an INI text, found by section and key in constant time, by the same
// rules as ProfileText::find. For readers of many keys: building it costs one pass over
// the text, where each ProfileText::find walks the lines again.
class ProfileIndex {
 public:
  ProfileIndex() = default;
  explicit ProfileIndex(std::string_view fileText);

  std::optional<std::string> find(std::string_view section, std::string_view key) const;

 private:
  // Folded section name -> folded key name -> value, first ones only.
  std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections_;
};

}  // namespace quorvane::platform
