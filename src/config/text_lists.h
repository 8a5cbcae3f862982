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
// A directory name of an include or exclude list as held: "/" and "\" both separate
// components, held as "\"; one trailing separator is dropped ("src/util/" -> "src\util").
std::string HeldDirectoryName(std::string_view name);
// {"a", "b"} -> "a;b"; {} -> "".
std::string LinesToSemicolon(const std::vector<std::string>& lines);

}  // namespace quorvane
