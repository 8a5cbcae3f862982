#pragma once
// The text forms of a file's facts shared by the grid, the reports and the snapshots:
// dates and times in the user's date order, hexadecimal forms, attribute letters, and a
// few small text routines. Pure functions; the date order is passed in (`DateFormat`).
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dos_time.h"

namespace quorvane {

// `DateFormat` values: 0 month first (USA), 1 day first (Europe), any other year first.
enum DateOrder : int { dfUsa = 0, dfEurope = 1, dfJapan = 2 };

// The six fields of a DOS packed time, as stored (no calendar check; second = stored x 2).
platform::DosDateTime UnpackTime(std::uint32_t packed);
// Packs the fields; 0 when the year is before 1980. An odd second stores the even one below.
std::uint32_t PackTime(const platform::DosDateTime& t);

// "mm/dd/yyyy hh:mm:ss", "dd/mm/yyyy hh:mm:ss" or "yyyy/mm/dd hh:mm:ss" (19 characters
// while every field fits its width). Fields show what they hold, even beyond calendar ranges.
std::string DateTimeText(std::uint32_t packed, int dateFormat);
// The 10-character date part in the same order.
std::string DateText(std::uint32_t packed, int dateFormat);
// "hh:mm:ss".
std::string TimeText(std::uint32_t packed);
// "yyyy/mm/dd hh:mm:ss" whatever the date order (snapshots).
std::string FixedDateTimeText(std::uint32_t packed);

// Upper-case, zero-padded: 2, 4 and 8 digits.
std::string HexByte(std::uint8_t value);
std::string HexWord(std::uint16_t value);
std::string HexLong(std::uint32_t value);

// The first 4 (8) characters of the text read as hexadecimal digits, most significant
// first. Never fails: any character other than 1..9, A..F (either case) counts 0, and a
// shorter text gives the value of the characters it has.
std::uint16_t ParseHexWord(std::string_view text);
std::uint32_t ParseHexLong(std::string_view text);

// Two decimal digits: 7 -> "07"; wider numbers are cut to their first two characters.
std::string TwoDigits(int value);

// "R H S A" with "-" for each bit not set (read-only 0x01, hidden 0x02, system 0x04,
// archive 0x20); "Volume label" when 0x08 is set. The directory bit is not shown.
std::string AttributeText(std::uint8_t attributes);

// 1-based position of the last occurrence of c in text; 0 when absent.
std::size_t LastPosition(char c, std::string_view text);

// The text without leading and trailing blanks (the blank character only).
std::string TrimBlanks(std::string_view text);

// The text's decimal value (optional sign, digits only, within 32 bits); 0 otherwise.
std::int32_t TextToInteger(std::string_view text);
// As TextToInteger, but says whether the text was an integer.
bool ParseInteger(std::string_view text, std::int32_t& value);

// -1, 0 or 1 as a is below, equal to or above b (unsigned order).
int CompareUnsigned(std::uint16_t a, std::uint16_t b);
int CompareUnsigned(std::uint32_t a, std::uint32_t b);

// The path with the mount point of a network file system replaced by its remote source;
// any other path unchanged.
std::string NetworkForm(std::string_view path);

// The label of the file system holding the path; empty when it has none.
std::string VolumeLabelOf(const std::string& path);

}  // namespace quorvane
