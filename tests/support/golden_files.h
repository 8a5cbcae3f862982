#pragma once
// Reading the golden case folders of tests/golden/: description files (one item per
// line, "#" comments and blank lines skipped) and tree descriptions
// ("path|content|YYYY-MM-DD hh:mm:ss" per file, times in UTC).
#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_tree.h"

namespace quorvane::test {

std::string goldenDir();

// The non-empty, non-comment lines of a description file, CR removed.
std::vector<std::string> linesOf(const std::string& path);

// "YYYY-MM-DD hh:mm:ss" (UTC) as seconds since 1970.
std::int64_t unixOf(const std::string& text);

// Writes every file of a tree description into the tree.
void layOut(TempTree& tree, const std::string& description);

// The ";"-separated items of a text.
std::vector<std::string> split(const std::string& text);

}  // namespace quorvane::test
