#include "config/cell_colours.h"

#include "engine/file_entry.h"

namespace quorvane {

namespace {

CellColour of(const ColourSet& set, StatusIndex index) { return {set.Fore[Slot(index)], set.Back[Slot(index)]}; }

}  // namespace

CellColour CellColourOf(const ColourSet& set, std::uint8_t s, int column) {
  CellColour cell = of(set, StatusIndex::Identical);
  if (column < 1 || column > 8) return cell;
  if (s & stInserted || s & stDeleted) return of(set, (s & stInserted) ? StatusIndex::Inserted : StatusIndex::Deleted);
  const int side = column > 4 ? 1 : 0;  // the Old side shows its partner's status
  // Later rules win where two apply to one cell.
  switch ((column - 1) % 4) {
    case 0:
      if (s & stCrcDiffers) cell = of(set, StatusIndex::CrcDiffers);
      break;
    case 1:
      if (s & stBigger) cell = of(set, side ? StatusIndex::Smaller : StatusIndex::Bigger);
      if (s & stSmaller) cell = of(set, side ? StatusIndex::Bigger : StatusIndex::Smaller);
      break;
    case 2:
      if (s & stNewer) cell = of(set, side ? StatusIndex::Older : StatusIndex::Newer);
      if (s & stOlder) cell = of(set, side ? StatusIndex::Newer : StatusIndex::Older);
      break;
    default: break;
  }
  return cell;
}

}  // namespace quorvane
