#pragma once
// The sort command: a Sort by menu item or a click on a column header chooses a sort kind;
// choosing the current type again reverses the direction.
#include "engine/comparison.h"

namespace quorvane {

// SortKind := kind, SortType from the kind table of the current mode. The same type
// again with a kind other than 0 toggles Descending; any other choice sorts ascending.
// Updates the Sort by menu and runs the filter pass. A kind outside 0..9 is ignored.
void SetSort(Comparison& c, int kind);

// A Sort by menu item (tag 1..11); other tags are ignored.
void ChooseSortMenuItem(Comparison& c, int tag);

// Back to full pathname ascending (kind 0, type 0), as Reset Diff and a new set
// selection do; no filter pass.
void ResetSort(Comparison& c);

}  // namespace quorvane
