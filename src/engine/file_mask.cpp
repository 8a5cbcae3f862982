#include "engine/file_mask.h"

namespace quorvane {

namespace {

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

std::size_t significantLength(std::string_view mask) {
  std::size_t n = mask.size();
  while (n > 0 && (mask[n - 1] == '*' || mask[n - 1] == '?')) --n;
  return n;
}

}  // namespace

void TWild::SetMask(std::string_view mask) {
  const std::string m = upper(mask);
  if (m.empty()) {
    text_.clear();
    return;
  }
  const std::size_t dot = m.rfind('.');
  if (dot == std::string::npos) {
    name_ = m;
    extension_ = "*";
  } else {
    name_ = m.substr(0, dot);
    extension_ = m.substr(dot + 1);
  }
  nameSignificant_ = significantLength(name_);
  extensionSignificant_ = significantLength(extension_);
  anyName_ = nameSignificant_ == 0;
  anyExtension_ = extensionSignificant_ == 0 && !extension_.empty();
  text_ = name_ + "." + extension_;
}

bool TWild::PartMatch(std::string_view text, std::string_view mask, std::size_t significant) {
  if (text.empty() || text.size() < significant) return text.empty() && mask.empty();
  std::size_t i = 0;
  for (; i < mask.size(); ++i) {
    const char m = mask[i];
    if (m == '*') return true;
    if (i >= text.size()) {
      if (m == '?') continue;  // a trailing "?" may stand for nothing
      return false;
    }
    const char c = (text[i] >= 'a' && text[i] <= 'z') ? static_cast<char>(text[i] - 32) : text[i];
    if (m != '?' && m != c) return false;
  }
  return i >= text.size();
}

bool TWild::Matches(std::string_view fileName) const {
  if (text_.empty()) return false;
  const std::size_t dot = fileName.rfind('.');
  const std::string_view name = dot == std::string_view::npos ? fileName : fileName.substr(0, dot);
  const std::string_view ext = dot == std::string_view::npos ? std::string_view{} : fileName.substr(dot + 1);
  return (anyName_ || PartMatch(name, name_, nameSignificant_)) &&
         (anyExtension_ || PartMatch(ext, extension_, extensionSignificant_));
}

bool FileMasks::Passes(std::string_view relativePath) const {
  const std::size_t slash = relativePath.rfind('\\');
  const std::string_view name = slash == std::string_view::npos ? relativePath : relativePath.substr(slash + 1);
  for (std::size_t i = 0; i < ExclusionCount; ++i)
    if (Exclusions[i].Matches(name)) return false;
  return Include.Matches(name);
}

}  // namespace quorvane
