#include "config/text_lists.h"

namespace quorvane {

std::vector<std::string> SemicolonToLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t semicolon = text.find(';', start);
    if (semicolon == std::string_view::npos) {
      if (start < text.size()) lines.emplace_back(text.substr(start));
      return lines;
    }
    lines.emplace_back(text.substr(start, semicolon - start));
    start = semicolon + 1;
  }
}

std::string LinesToSemicolon(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += ';';
    text += lines[i];
  }
  return text;
}

std::string HeldDirectoryName(std::string_view name) {
  std::string held(name);
  for (char& ch : held)
    if (ch == '/') ch = '\\';
  if (!held.empty() && held.back() == '\\') held.pop_back();
  return held;
}

}  // namespace quorvane
