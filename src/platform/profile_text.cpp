#include "platform/profile_text.h"

namespace quorvane::platform {

namespace {

std::string_view trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

char foldedChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (foldedChar(a[i]) != foldedChar(b[i])) return false;
  return true;
}

std::string foldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = foldedChar(c);
  return folded;
}

// Calls visit with each line of the text, without its line end (LF or CR LF).
template <typename Visit>
void forEachLine(std::string_view fileText, Visit visit) {
  std::size_t start = 0;
  while (start < fileText.size()) {
    std::size_t end = fileText.find('\n', start);
    if (end == std::string_view::npos) end = fileText.size();
    std::string_view line = fileText.substr(start, end - start);
    const bool crlf = !line.empty() && line.back() == '\r';
    if (crlf) line.remove_suffix(1);
    visit(line, crlf);
    start = end + 1;
  }
}

// The section name of a "[Name]" line, or nothing.
std::optional<std::string_view> sectionName(std::string_view line) {
  const std::string_view t = trimmed(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const std::size_t close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trimmed(t.substr(1, close - 1));
}

// Key name and value of a "Key=Value" line; comments (";") and other lines give nothing.
bool splitKey(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view t = trimmed(line);
  if (t.empty() || t.front() == ';' || t.front() == '[') return false;
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return false;
  key = trimmed(t.substr(0, eq));
  value = trimmed(t.substr(eq + 1));
  return true;
}

}  // namespace

ProfileText::ProfileText(std::string_view fileText) {
  forEachLine(fileText, [this](std::string_view line, bool crlf) {
    if (crlf && lines_.empty()) crlf_ = true;
    lines_.emplace_back(line);
  });
}

std::size_t ProfileText::sectionLine(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = sectionName(lines_[i]);
    if (name && sameName(*name, section)) return i;
  }
  return lines_.size();
}

std::size_t ProfileText::sectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  for (std::size_t i = header + 1; i < lines_.size() && !sectionName(lines_[i]); ++i)
    if (!trimmed(lines_[i]).empty()) end = i + 1;
  return end;
}

std::size_t ProfileText::keyLine(std::size_t header, std::string_view key) const {
  for (std::size_t i = header + 1; i < lines_.size() && !sectionName(lines_[i]); ++i) {
    std::string_view k, v;
    if (splitKey(lines_[i], k, v) && sameName(k, key)) return i;
  }
  return lines_.size();
}

std::optional<std::string> ProfileText::find(std::string_view section, std::string_view key) const {
  const std::size_t header = sectionLine(section);
  if (header == lines_.size()) return std::nullopt;
  const std::size_t at = keyLine(header, key);
  if (at == lines_.size()) return std::nullopt;
  std::string_view k, v;
  splitKey(lines_[at], k, v);
  return std::string(v);
}

void ProfileText::set(std::string_view section, std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  const std::size_t header = sectionLine(section);
  if (header == lines_.size()) {
    if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(line));
    return;
  }
  const std::size_t at = keyLine(header, key);
  if (at != lines_.size()) {
    lines_[at] = std::move(line);
    return;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)), std::move(line));
}

ProfileIndex::ProfileIndex(std::string_view fileText) {
  // The keys of the section being read; none before the first section and in a repeated
  // section (only the first section of a name counts).
  std::unordered_map<std::string, std::string>* keys = nullptr;
  forEachLine(fileText, [&](std::string_view line, bool) {
    if (const auto name = sectionName(line)) {
      const auto [at, first] = sections_.try_emplace(foldedName(*name));
      keys = first ? &at->second : nullptr;
      return;
    }
    std::string_view key, value;
    if (keys && splitKey(line, key, value)) keys->try_emplace(foldedName(key), value);
  });
}

std::optional<std::string> ProfileIndex::find(std::string_view section, std::string_view key) const {
  const auto keys = sections_.find(foldedName(section));
  if (keys == sections_.end()) return std::nullopt;
  const auto value = keys->second.find(foldedName(key));
  if (value == keys->second.end()) return std::nullopt;
  return value->second;
}

std::string ProfileText::text() const {
  std::string out;
  for (const std::string& line : lines_) {
    out += line;
    out += crlf_ ? "\r\n" : "\n";
  }
  return out;
}

}  // namespace quorvane::platform
