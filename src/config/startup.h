#pragma once
// Start-up (DoInits), the automatic mode and the one exit routine (Termine). The windows
// and the result writers are reached through the two interfaces below, so the same
// sequence serves the window, the headless automatic mode and the tests.
#include <memory>
#include <string>
#include <vector>

#include "config/command_line.h"
#include "config/set_selection.h"
#include "config/settings.h"
#include "engine/comparison.h"
#include "engine/errors.h"
#include "engine/set_reading.h"

namespace quorvane {

// What start-up asks of the windows. The headless program has none: every call is a no-op.
class ProgramWindows {
 public:
  virtual ~ProgramWindows() = default;
  virtual void SplashStatus(const std::string& /*text*/) {}
  // Colours the screen reports; negative when it cannot tell.
  virtual int ScreenColours() { return -1; }
  virtual void ShowMainWindow(bool /*diagnosticMode*/) {}
  virtual void InitPrinter() {}
  virtual void SetCaption(const std::string& /*caption*/) {}
  virtual void OpenHelpTopic(const std::string& /*topic*/) {}
  virtual void RefreshIndicators() {}
  // The exit save (window position, column widths) and the what's-new prompt concern the
  // main window; without one they are skipped.
  virtual bool MainWindowExists() { return false; }
};

// Writes the result of the automatic mode. Each returns false when the output could not
// be written (the message was already shown).
class ResultWriters {
 public:
  virtual ~ResultWriters() = default;
  virtual bool WriteDiffReport(Comparison& c, const std::string& target, bool append) = 0;
  virtual bool WriteSnapshot(Comparison& c, const std::string& target, bool append) = 0;
};

// Everything that lives from start-up to the exit.
struct Program {
  Program(platform::UserInterface& ui, ProgramWindows& windows, SetReaders& readers, ResultWriters& writers);

  Settings settings;
  platform::UserInterface& ui;
  ProgramWindows& windows;
  SetReaders& readers;
  ResultWriters& writers;
  Comparison comparison;
  SetSelection selection;
  CommandLine commandLine;
  std::string caption = "Quorvane 32 v1.6";

  bool ended = false;      // Termine ran
  int exitCode = 0;
  // The automatic mode's run did not complete, or its output was not written.
  bool autoRunFailed = false;
  // The automatic mode wrote its output completely.
  bool outputWritten = false;
};

inline constexpr const char* kCurrentBuild = "February 21, 2005";

// The delayed initialisation, steps in order; in automatic mode with the sets given it
// also runs the comparison, writes the result and ends through Termine. Returns with
// program.ended set when the program is to end (program.exitCode).
void DoInits(Program& program, const std::vector<std::string>& args);

// Runs the comparison (New and Old, or the New set only in snapshot mode) and, in
// automatic mode, writes the result to OutputFile and ends. The automatic mode writes
// nothing unless the run completed, and refuses at once an output file that is one of
// the archive or snapshot sets.
void RunAutomaticComparison(Program& program);

// Ends the program: with no message the exit save runs (unless kind is Quiet); with a
// message the message is shown. Sets program.ended and program.exitCode:
//  - automatic mode: 1 when the run or its output failed or the run could not compare
//    everything (comparison.Problems), 0 in snapshot mode or when every
//    displayed entry is Identical, else 2;
//  - otherwise 1 for an error end, 0 for a normal one.
void Termine(Program& program, const std::string& message, ExitKind kind);

// "The Diff or Snapshot currently in memory..." asked when unsaved results exist; true
// when the program may close.
bool QuitPrompt(Program& program);

}  // namespace quorvane
