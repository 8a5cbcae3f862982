#pragma once
// Reading and writing single settings of Quorvane.ini, one function per value encoding.
// A missing key leaves the setting as it is. Text and colour reads use "$!$" as the
// default that marks a missing key, numbers -777 (so a stored "$!$" or -777 counts as missing).
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "platform/profile.h"

namespace quorvane {

inline constexpr int kMissingNumber = -777;
inline constexpr std::string_view kMissingText = "$!$";

// Each reader comes twice: from a file read once (for loading many keys), and from the
// file as it is now (reading it for that one key).

// Flag: any non-zero integer is true; a value that is not an integer leaves it.
void ReadFlag(const platform::LoadedProfile& profile, std::string_view section, std::string_view key, bool& setting);
void ReadNumber(const platform::LoadedProfile& profile, std::string_view section, std::string_view key, int& setting);
void ReadText(const platform::LoadedProfile& profile, std::string_view section, std::string_view key,
              std::string& setting);
void ReadFlag(std::string_view section, std::string_view key, bool& setting);
void ReadNumber(std::string_view section, std::string_view key, int& setting);
void ReadText(std::string_view section, std::string_view key, std::string& setting);

// A colour (8 hexadecimal digits) or a mask (4 digits; 2 digits read as "00" + them).
// At most the first 8 characters count; anything else gives defaultValue.
std::uint32_t ReadColour(const platform::LoadedProfile& profile, std::string_view section, std::string_view key,
                         std::uint32_t defaultValue);
std::uint32_t ReadColour(std::string_view section, std::string_view key, std::uint32_t defaultValue);
// ReadColour's rule on a text already read (for tests and callers holding the text).
std::uint32_t ColourFromText(std::string_view text, std::uint32_t defaultValue);

// Style letters: "B" bold, "I" italic, "U" underline, "S" strikeout, in that order.
std::string StyleLetters(std::uint8_t style);
// Upper-case letters only; any other character is ignored.
std::uint8_t StyleFromLetters(std::string_view letters);

// ColWidths: 15 widths as 4 upper-case hexadecimal digits each (60 characters). Widths
// outside 0..FFFF are written as the nearest of the two, so the text keeps its length.
std::string ColumnWidthsText(const ColumnWidths& widths);
// False when the text is not exactly 60 characters; a piece that is not 4 hexadecimal
// digits gives width 0.
bool ColumnWidthsFromText(std::string_view text, ColumnWidths& widths);

// "T%dL%dH%dW%d" of the placement's top, left, height and width.
std::string PositionText(const WindowPlacement& p);
// Applies a Position text: each piece that is a decimal number of -9 or more replaces
// its dimension; every other dimension stays.
void ApplyPositionText(std::string_view text, WindowPlacement& p);

// Writers; false when the file could not be written.
bool WriteFlag(std::string_view section, std::string_view key, bool value);
bool WriteNumber(std::string_view section, std::string_view key, int value);
bool WriteText(std::string_view section, std::string_view key, std::string_view value);

}  // namespace quorvane
