#include "view/grid_colours.h"

#include "config/cell_colours.h"
#include "config/colour_sets.h"
#include "engine/file_entry.h"

namespace quorvane::view {

GridColours PrepareGridColours(const ColourSet& set, int setNumber) {
  GridColours g;
  if (setNumber == 2) {
    g.SnapshotFore = kWhite;
    g.SnapshotBack = kNavy;
  }
  for (int s = 0; s < 256; ++s) {
    for (int c = 0; c < kColourColumns; ++c) {
      const CellColour cell = CellColourOf(set, static_cast<std::uint8_t>(s), c);
      g.Fore[static_cast<std::size_t>(s)][static_cast<std::size_t>(c)] = cell.fore;
      g.Back[static_cast<std::size_t>(s)][static_cast<std::size_t>(c)] = cell.back;
    }
  }
  return g;
}

GridColours PrepareGridColours(const Settings& settings) {
  return PrepareGridColours(ColoursOfSet(settings, settings.ColorSet), settings.ColorSet);
}

}  // namespace quorvane::view
