#pragma once
// Reading the golden case folders of tests/golden/: description files (one item per
// line, "#" comments and blank lines skipped) and tree descriptions
// ("path|content|YYYY-MM-DD hh:mm:ss" per file, times in UTC).
#include <cstdint>
#include <string>
#include <vector>

#include "engine/comparison.h"
#include "support/temp_tree.h"

namespace quorvane::test {

std::string goldenDir();

// The non-empty, non-comment lines of a description file, CR removed.
std::vector<std::string> linesOf(const std::string& path);

// One line of a settings file: "Key=value".
struct GoldenSetting {
  std::string key;
  std::string value;  // a value in double quotes keeps its blanks; the quotes are removed
};

// The "Key=value" lines of a settings file; a line without "=" fails the test.
std::vector<GoldenSetting> settingsOf(const std::string& path);

// Applies a key that sets the comparison's filter masks, file masks or directory lists
// (IFilter, XFilter in hex; IncludeMask; ExcludeMasks, IncludeDirs, ExcludeDirs ";"
// separated). False when the key is none of these.
bool applyComparisonSetting(Comparison& c, const GoldenSetting& setting);

// "YYYY-MM-DD hh:mm:ss" (UTC) as seconds since 1970.
std::int64_t unixOf(const std::string& text);

// Writes every file of a tree description into the tree.
void layOut(TempTree& tree, const std::string& description);

// The ";"-separated items of a text.
std::vector<std::string> split(const std::string& text);

}  // namespace quorvane::test
