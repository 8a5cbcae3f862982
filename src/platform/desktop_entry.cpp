#include "platform/desktop_entry.h"

#include <cstdlib>

#include "platform/directory_listing.h"

namespace quorvane::platform {

namespace {

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

std::optional<std::string> DesktopEntryProgram(std::string_view text) {
  bool inEntry = false;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = Trim(text.substr(at, end - at));
    at = end + 1;
    if (line.empty() || line.front() == '#') continue;
    if (line.front() == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    if (!inEntry) continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)) != "Exec") continue;
    const std::string_view value = Trim(line.substr(equals + 1));
    std::string program;
    for (std::size_t i = 0; i < value.size(); ++i) {
      if (value[i] != '%' || i + 1 >= value.size()) {
        program.push_back(value[i]);
        continue;
      }
      const char code = value[++i];
      if (code == '%') program.push_back('%');
      // Every other field code (%f %F %u %U %i %c %k %d %D %n %N %v %m) stands for what
      // the caller gives; the file comes as the parameter text instead.
    }
    std::string trimmed(Trim(program));
    // A blank left where a code stood between two words is harmless; doubled ones are kept.
    if (trimmed.empty()) return std::nullopt;
    return trimmed;
  }
  return std::nullopt;
}

std::vector<std::string> DesktopEntryFolders() {
  std::vector<std::string> folders;
  std::string home = Environment("XDG_DATA_HOME");
  if (home.empty()) {
    const std::string user = Environment("HOME");
    if (!user.empty()) home = user + "/.local/share";
  }
  if (!home.empty()) folders.push_back(home + "/applications");
  std::string dirs = Environment("XDG_DATA_DIRS");
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  std::size_t at = 0;
  while (at <= dirs.size()) {
    std::size_t end = dirs.find(':', at);
    if (end == std::string::npos) end = dirs.size();
    if (end > at) folders.push_back(dirs.substr(at, end - at) + "/applications");
    at = end + 1;
  }
  return folders;
}

std::optional<std::string> FindDesktopEntry(std::string_view id, const std::vector<std::string>& folders) {
  if (id.empty() || id.find('/') != std::string_view::npos) return std::nullopt;
  for (const std::string& folder : folders) {
    std::string candidate = folder + "/" + std::string(id);
    if (fileExists(candidate)) return candidate;
    // "vendor-name.desktop" may live as vendor/name.desktop.
    std::string nested(id);
    for (std::size_t dash = nested.find('-'); dash != std::string::npos; dash = nested.find('-', dash + 1)) {
      nested[dash] = '/';
      candidate = folder + "/" + nested;
      if (fileExists(candidate)) return candidate;
    }
  }
  return std::nullopt;
}

}  // namespace quorvane::platform
