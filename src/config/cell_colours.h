#pragma once
// Which colour of a colour set paints a cell of the results grid: by the entry's status
// byte and the grid column (1..4 the New name, size, date and checksum, 5..8 the Old
// ones, 9 the directory; 0, the row numbers, takes Identical's). The grid's tables and
// the HTML report use this one rule. Colours are 0x00BBGGRR.
#include <cstdint>

#include "settings/settings.h"

namespace quorvane {

struct CellColour {
  std::uint32_t fore = 0;
  std::uint32_t back = 0;
};

CellColour CellColourOf(const ColourSet& set, std::uint8_t status, int column);

}  // namespace quorvane
