#include "view/grid_colours.h"

#include "config/colour_sets.h"
#include "engine/file_entry.h"

namespace quorvane::view {

namespace {

struct Pair {
  Colour fore, back;
};

Pair of(const ColourSet& set, StatusIndex index) {
  return {set.Fore[Slot(index)], set.Back[Slot(index)]};
}

}  // namespace

GridColours PrepareGridColours(const ColourSet& set, int setNumber) {
  GridColours g;
  if (setNumber == 2) {
    g.SnapshotFore = kWhite;
    g.SnapshotBack = kNavy;
  }
  const Pair identical = of(set, StatusIndex::Identical);
  for (int s = 0; s < 256; ++s) {
    std::array<Pair, kColourColumns> cells;
    cells.fill(identical);
    const auto put = [&cells](int column, Pair p) { cells[static_cast<std::size_t>(column)] = p; };
    if (s & stInserted || s & stDeleted) {
      const Pair side = of(set, (s & stInserted) ? StatusIndex::Inserted : StatusIndex::Deleted);
      for (int c = 1; c <= 8; ++c) put(c, side);
    } else {
      // Later rules win where two apply to one cell.
      if (s & stCrcDiffers) put(1, of(set, StatusIndex::CrcDiffers)), put(5, of(set, StatusIndex::CrcDiffers));
      if (s & stNewer) put(3, of(set, StatusIndex::Newer)), put(7, of(set, StatusIndex::Older));
      if (s & stOlder) put(3, of(set, StatusIndex::Older)), put(7, of(set, StatusIndex::Newer));
      if (s & stBigger) put(2, of(set, StatusIndex::Bigger)), put(6, of(set, StatusIndex::Smaller));
      if (s & stSmaller) put(2, of(set, StatusIndex::Smaller)), put(6, of(set, StatusIndex::Bigger));
    }
    put(9, identical);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      g.Fore[static_cast<std::size_t>(s)][c] = cells[c].fore;
      g.Back[static_cast<std::size_t>(s)][c] = cells[c].back;
    }
  }
  return g;
}

GridColours PrepareGridColours(const Settings& settings) {
  return PrepareGridColours(ColoursOfSet(settings, settings.ColorSet), settings.ColorSet);
}

}  // namespace quorvane::view
