#pragma once
// The ";"-separated form of a list of names, as the INI file and the command line hold
// directory lists.
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// "a;b" -> {"a", "b"}: every ";" ends an entry, as a line break would ("a;;b" holds an
// empty entry, "a;" only "a"); "" -> {}.
std::vector<std::string> SemicolonToLines(std::string_view text);
// {"a", "b"} -> "a;b"; {} -> "".
std::string LinesToSemicolon(const std::vector<std::string>& lines);

}  // namespace quorvane
