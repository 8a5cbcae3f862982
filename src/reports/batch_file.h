#pragma once
// The line of a batch file for one entry: the before-text, the entry's name in the form
// the Batch flags choose, and the after-text. Linux set paths have no drive letter, so
// BatchDrive adds nothing and BatchFull (with BatchPath) puts the whole set root in
// front; separators are written as "/" since sh runs the file.
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace quorvane {

struct BatchForm {
  std::string before;  // BatchBefore, with its trailing blank when not empty
  std::string after;   // BatchAfter, with its leading blank when not empty
  bool drive = false;  // BatchDrive
  bool path = true;    // BatchPath
  bool full = false;   // BatchFull
  bool extension = true;  // BatchExt

  static BatchForm FromSettings(const Settings& settings);
};

// What precedes every file text: the set root when BatchPath and BatchFull are on.
std::string BatchPrefix(const BatchForm& form, std::string_view setRoot);

// The file text of an entry path (held form, "\" separated): prefix + the path or its
// name alone, with or without its extension, in "/" form.
std::string BatchFileText(const BatchForm& form, std::string_view prefix, std::string_view entryPath);

// before + file text + after.
std::string BatchLine(const BatchForm& form, std::string_view prefix, std::string_view entryPath);

}  // namespace quorvane
