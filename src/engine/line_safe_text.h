#pragma once
// Names as one line of text shows them. A Linux name may hold any byte but "/" and NUL;
// a line break or another control character written as it is would split a report line
// or garble a terminal.
#include <string>
#include <string_view>

namespace quorvane {

// A byte below 0x20, or 0x7F.
inline bool IsControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// The text with every control character written as "?"; every other byte as it is.
std::string LineSafeText(std::string_view text);

}  // namespace quorvane
