#pragma once
// The ordering key of the file list: directory part (up to and including the last
// backslash) + NUL + file name, ASCII letters folded to upper case, other bytes by value.
// So root files come first, a directory's own files precede its subdirectories, and
// paths differing only in letter case are the same key.
#include <cstdint>
#include <string_view>

namespace quorvane {

inline unsigned char foldAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

// < 0, 0, > 0 as a sorts before, with, after b.
int comparePathKeys(std::string_view a, std::string_view b);
// The order of the file list: the path key, then, between paths equal when folded, their
// exact bytes. 0 only for equal paths.
int compareListOrder(std::string_view a, std::string_view b);

// Equal under ASCII letter folding.
bool sameFolded(std::string_view a, std::string_view b);
// Case-insensitive (ASCII) three-way comparison of plain texts.
int compareFolded(std::string_view a, std::string_view b);
// Case-insensitive (ASCII) prefix test.
bool startsWithFolded(std::string_view text, std::string_view prefix);

// A hash that agrees with sameFolded.
std::uint64_t foldedHash(std::string_view s);

}  // namespace quorvane
