#include "program/sort_commands.h"

#include "engine/sort_choice.h"
#include "engine/sort_menu_state.h"

namespace quorvane {

void SortBy(Program& p, int kind) {
  if (p.runInProgress || kind < 0 || kind >= kSortKinds) return;
  SetSort(p.comparison, kind);
  p.ui.resultsChanged();
  p.ui.commandsChanged();
}

void SortByMenuItem(Program& p, int tag) {
  const int kind = SortKindOfMenuTag(tag);
  if (kind >= 0) SortBy(p, kind);
}

}  // namespace quorvane
