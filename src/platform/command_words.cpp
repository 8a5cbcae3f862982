#include "platform/command_words.h"

namespace quorvane::platform {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool EscapableInDoubleQuotes(char c) { return c == '"' || c == '\\' || c == '$' || c == '`' || c == '\n'; }

}  // namespace

std::vector<std::string> SplitCommandWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (IsSeparator(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      ++i;
      continue;
    }
    inWord = true;
    if (c == '\'') {
      const std::size_t end = text.find('\'', i + 1);
      const std::size_t stop = end == std::string_view::npos ? text.size() : end;
      word.append(text.substr(i + 1, stop - i - 1));
      i = stop == text.size() ? stop : stop + 1;
    } else if (c == '"') {
      ++i;
      while (i < text.size() && text[i] != '"') {
        if (text[i] == '\\' && i + 1 < text.size() && EscapableInDoubleQuotes(text[i + 1])) ++i;
        word.push_back(text[i]);
        ++i;
      }
      if (i < text.size()) ++i;  // the closing quote
    } else if (c == '\\') {
      if (i + 1 < text.size()) word.push_back(text[i + 1]);
      i += 2;
    } else {
      word.push_back(c);
      ++i;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string QuoteCommandWord(std::string_view path) {
  bool blank = path.empty();
  bool special = false;
  for (const char c : path) {
    if (c == ' ') blank = true;
    else if (c == '"' || c == '\'' || c == '\\' || IsSeparator(c)) special = true;
  }
  if (!blank && !special) return std::string(path);
  std::string out = "\"";
  for (const char c : path) {
    if (c == '"' || c == '\\' || c == '$' || c == '`') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string ProgramName(std::string_view programText) {
  std::vector<std::string> words = SplitCommandWords(programText);
  if (words.size() == 1) return std::move(words.front());
  std::size_t first = programText.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::size_t last = programText.find_last_not_of(" \t");
  return std::string(programText.substr(first, last - first + 1));
}

}  // namespace quorvane::platform
