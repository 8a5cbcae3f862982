#include "program/set_commands.h"

#include "engine/errors.h"

namespace quorvane {

namespace {

void noticeNewSelection(Program& p) {
  p.ui.resultsChanged();
  p.ui.commandsChanged();
}

}  // namespace

void ChooseSetDirectory(Program& p, Side side, const std::string& path) {
  if (p.runInProgress) return;
  p.selection.OpenSetDirectory(path, side, true);
  noticeNewSelection(p);
}

bool ChooseSetFile(Program& p, Side side, const std::string& path) {
  if (p.runInProgress) return false;
  bool chosen = false;
  try {
    p.selection.OpenSetFile(path, side, true);
    const SetDescription& after = p.comparison.Set(side);
    chosen = after.Root == path && after.Kind != SetKind::Nothing;
  } catch (const Exception& e) {
    p.ui.messageAbout(e.what(), platform::MessageKind::Error, platform::MessageButtons::Ok, {path, {}});
  }
  noticeNewSelection(p);
  return chosen;
}

}  // namespace quorvane
