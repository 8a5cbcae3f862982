#pragma once
// Points $QUORVANE_INI at a file in a temporary directory for the life of the object, so
// tests never touch the user's own settings file, and restores the former value after.
#include <optional>
#include <string>

#include "support/temp_tree.h"

namespace quorvane::test {

class TempIni {
 public:
  // The file starts with `contents`; pass nothing for a missing file.
  explicit TempIni(std::optional<std::string> contents = std::nullopt);
  ~TempIni();
  TempIni(const TempIni&) = delete;
  TempIni& operator=(const TempIni&) = delete;

  const std::string& path() const { return path_; }
  std::string read() const;  // the file's text; "" when missing
  void write(const std::string& contents) const;
  TempTree& tree() { return tree_; }

 private:
  TempTree tree_;
  std::string path_;
  std::optional<std::string> saved_;
};

}  // namespace quorvane::test
