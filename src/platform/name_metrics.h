#pragma once
// The grid font's widths for file names, handed in once by the window: the width in
// pixels of each byte value. A name's width is the sum over its bytes, so measuring a
// list costs no call into the window per row. A window measuring UTF-8 names gives the
// continuation bytes (0x80..0xBF) width 0 and each lead byte the width of a typical
// character of its length.
#include <array>
#include <cstdint>
#include <string_view>

namespace quorvane::platform {

struct NameMetrics {
  std::array<std::uint16_t, 256> byteWidths{};

  int width(std::string_view name) const;
  // Every byte value the same width (fixed-pitch fonts, tests).
  static NameMetrics fixedPitch(std::uint16_t width);
};

}  // namespace quorvane::platform
