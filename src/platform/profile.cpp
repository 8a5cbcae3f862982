#include "platform/profile.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>

#include "platform/file_replace.h"

namespace quorvane::platform {

namespace {

std::string homeDirectory() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/tmp";
}

// The file's text; false when it exists but cannot be read. A missing file is empty.
bool loadText(const std::string& path, std::string& text) {
  text.clear();
  if (readWholeFile(path, text)) return true;
  struct stat st {};
  return stat(path.c_str(), &st) != 0 && errno == ENOENT;
}

bool holdsLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// A decimal integer (optional sign, blanks around it already dropped), or defaultValue.
int integerOr(std::string_view value, int defaultValue) {
  const char* first = value.data();
  const char* last = value.data() + value.size();
  if (first != last && *first == '+') {
    ++first;
    if (first != last && *first == '-') return defaultValue;
  }
  int result = 0;
  const auto [end, ec] = std::from_chars(first, last, result);
  if (ec != std::errc() || end != last || first == last) return defaultValue;
  return result;
}

}  // namespace

std::string profileFilePath() {
  if (const char* explicitPath = std::getenv("QUORVANE_INI"); explicitPath && *explicitPath) return explicitPath;
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') return std::string(config) + "/Quorvane.ini";
  return homeDirectory() + "/.config/Quorvane.ini";
}

ProfileState profileState() {
  const std::string path = profileFilePath();
  std::string text;
  if (readWholeFile(path, text)) return ProfileState::Readable;
  struct stat st {};
  return stat(path.c_str(), &st) != 0 && errno == ENOENT ? ProfileState::Missing : ProfileState::Unreadable;
}

std::string readProfileString(std::string_view section, std::string_view key, std::string_view defaultValue) {
  std::string text;
  if (!loadText(profileFilePath(), text)) return std::string(defaultValue);
  const auto value = ProfileText(text).find(section, key);
  return value ? *value : std::string(defaultValue);
}

int readProfileInt(std::string_view section, std::string_view key, int defaultValue) {
  return integerOr(readProfileString(section, key, ""), defaultValue);
}

LoadedProfile LoadedProfile::read() {
  const std::string path = profileFilePath();
  std::string text;
  if (readWholeFile(path, text)) return LoadedProfile(ProfileState::Readable, text);
  struct stat st {};
  const bool missing = stat(path.c_str(), &st) != 0 && errno == ENOENT;
  return LoadedProfile(missing ? ProfileState::Missing : ProfileState::Unreadable, {});
}

LoadedProfile::LoadedProfile(ProfileState state, std::string_view text) : state_(state) {
  if (state == ProfileState::Readable) index_ = ProfileIndex(text);
}

std::string LoadedProfile::readString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
  const auto value = index_.find(section, key);
  return value ? *value : std::string(defaultValue);
}

int LoadedProfile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
  return integerOr(readString(section, key, ""), defaultValue);
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value) {
  if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value)) return false;
  const std::string path = profileFilePath();
  std::string text;
  if (!loadText(path, text)) return false;
  ProfileText profile(text);
  profile.set(section, key, value);
  return replaceFileContents(path, profile.text());
}

bool writeProfileInt(std::string_view section, std::string_view key, int value) {
  return writeProfileString(section, key, std::to_string(value));
}

ProfileEdit::ProfileEdit() : path_(profileFilePath()) {
  std::string text;
  readable_ = loadText(path_, text);
  if (readable_) text_ = ProfileText(text);
}

bool ProfileEdit::set(std::string_view section, std::string_view key, std::string_view value) {
  if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value)) return false;
  text_.set(section, key, value);
  changed_ = true;
  return true;
}

bool ProfileEdit::commit() {
  if (!changed_) return true;
  return readable_ && replaceFileContents(path_, text_.text());
}

}  // namespace quorvane::platform
