#pragma once
// Text conversions for names read from archives. The ANSI code page is UTF-8 here; OEM
// text (CP437 on the systems that wrote it) is read by one rule: bytes that already form
// valid UTF-8 stay as they are (tools that mark every entry as made on MS-DOS still write
// UTF-8), any other byte string is decoded as CP437.
#include <string>
#include <string_view>

namespace quorvane::platform {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text);

// The length of the strict UTF-8 sequence at text[at], 0 when the byte there begins none.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

// Every byte through the CP437 table (0x00-0x7F stay ASCII).
std::string cp437ToUtf8(std::string_view text);

// The OEM read rule above.
std::string oemToUtf8(std::string_view text);

// UTF-16 code units to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

// Appends the UTF-8 form of one code point (U+FFFD for surrogates and values above U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace quorvane::platform
