#pragma once
// The style bits of a part of a text line, and of a status in the printer style sets.
#include <cstdint>

namespace quorvane {

enum TextStyle : std::uint8_t { tsPlain = 0, tsBold = 0x01, tsItalic = 0x02, tsUnderline = 0x04, tsStrikeOut = 0x08 };

}  // namespace quorvane
