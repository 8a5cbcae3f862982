#pragma once
// The synchronization of the automatic mode (-A --Sync:NewMaster|NoMaster|OldMaster NEW
// OLD): once the comparison completed (and its report was written when -O: asked for
// it), every displayed row is synchronized through the synchronization command, with the
// preset's boxes and the answers a user who asked for the run on the command line gives:
// every confirmation "all", a read-only file skipped unless --OverwriteReadOnly, every
// error "Skip all". The log goes to --Log:<file>, else to the standard output.
#include "program/program.h"

namespace quorvane {

// True when the synchronization ran without a failed or skipped file; false when a file
// failed, or the run could not start or was refused (its message already shown).
bool RunScriptedSynchronization(Program& program);

}  // namespace quorvane
