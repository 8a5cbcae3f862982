#pragma once
// Everything that lives from start-up to the exit, and the writers of the automatic
// mode's result. The front end implements platform::UserInterface and calls the
// commands of this folder; it keeps no orchestration of its own.
#include <string>

#include "config/command_line.h"
#include "config/set_selection.h"
#include "settings/settings.h"
#include "engine/comparison.h"
#include "engine/program_version.h"
#include "engine/set_reading.h"

namespace quorvane {

struct Program;

// Writes the result of the automatic mode. Each returns false when the output could not
// be written (the message was already shown). ReportWriters (report_writers.h) is the
// program's; tests put in a recorder.
class ResultWriters {
 public:
  virtual ~ResultWriters() = default;
  virtual bool WriteDiffReport(Program& program, const std::string& target, bool append) = 0;
  virtual bool WriteSnapshot(Program& program, const std::string& target, bool append) = 0;
};

struct Program {
  Program(platform::UserInterface& ui, SetReaders& readers, ResultWriters& writers);

  Settings settings;
  platform::UserInterface& ui;
  SetReaders& readers;
  ResultWriters& writers;
  Comparison comparison;
  SetSelection selection;
  CommandLine commandLine;
  std::string caption = std::string("Quorvane 32 v") + kProgramVersion;
  // The folder of the last file saved through the save dialog, where it opens next time
  // (empty: the working directory).
  std::string saveFolder;

  // A comparison run is in progress (between the notices runStarted and runEnded): it
  // pumps events, and every command that would change the sets or the results refuses.
  bool runInProgress = false;

  bool ended = false;  // Termine ran
  int exitCode = 0;
  // The automatic mode's run did not complete, or its output was not written.
  bool autoRunFailed = false;
  // The synchronization of the automatic mode (--Sync:) failed or was refused.
  bool syncFailed = false;
  // The automatic mode wrote its output completely.
  bool outputWritten = false;
};

}  // namespace quorvane
