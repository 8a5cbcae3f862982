#pragma once
// The profile (INI) functions of the program's settings file, Quorvane.ini, with the
// Windows profile rules (see profile_text.h). Every call reads or writes the file afresh;
// nothing is cached beyond one LoadedProfile. The file is $QUORVANE_INI when that is set, else
// $XDG_CONFIG_HOME/Quorvane.ini, else ~/.config/Quorvane.ini.
#include <string>
#include <string_view>

#include "platform/profile_text.h"

namespace quorvane::platform {

// The path of the settings file as the environment names it now.
std::string profileFilePath();

enum class ProfileState { Missing, Readable, Unreadable };
// Missing: no file yet (reads give their defaults). Unreadable: it exists but cannot be read.
ProfileState profileState();

// The value (blanks around it dropped), or defaultValue when the key or the file is missing
// or the file cannot be read.
std::string readProfileString(std::string_view section, std::string_view key, std::string_view defaultValue);

// The value as a decimal integer (optional sign, blanks around it allowed); defaultValue
// when the key is missing or its value is not such an integer or does not fit an int.
int readProfileInt(std::string_view section, std::string_view key, int defaultValue);

// The file read once, for a caller that reads many keys in a row (loading the settings):
// each look-up then costs no file read and no walk over the text. The read functions
// above give the same answers for the same file.
class LoadedProfile {
 public:
  // Reads the file now.
  static LoadedProfile read();
  LoadedProfile() = default;  // a missing file
  // A file in that state holding that text (Missing and Unreadable hold no key).
  LoadedProfile(ProfileState state, std::string_view text);

  ProfileState state() const { return state_; }
  std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  int readInt(std::string_view section, std::string_view key, int defaultValue) const;

 private:
  ProfileState state_ = ProfileState::Missing;
  ProfileIndex index_;
};

// Writes the key (see ProfileText::set) and replaces the file safely (file_replace.h).
// False, with the file unchanged, when it cannot be read or written, or when section, key
// or value holds a line break (which would corrupt the file).
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value);
bool writeProfileInt(std::string_view section, std::string_view key, int value);

// Many keys written with one read and one safe replacement of the file, for the callers
// that save a whole group of settings at once (a hundred separate writes would each
// rewrite and flush the file).
class ProfileEdit {
 public:
  ProfileEdit();  // reads the file now

  // False, changing nothing, when section, key or value holds a line break.
  bool set(std::string_view section, std::string_view key, std::string_view value);
  // Writes the keys set so far (nothing when none was set). False when the file could
  // not be read or written.
  bool commit();

 private:
  std::string path_;
  bool readable_ = false;
  bool changed_ = false;
  ProfileText text_;
};

}  // namespace quorvane::platform
