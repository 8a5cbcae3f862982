#pragma once
// The external-program runner and the commands that open a file with another program:
// "Open &file..." (the associated program or the default viewer) and the two "&View log"
// entries. Program texts and parameter texts are split into arguments as a shell splits
// words and started without a shell (platform::ProgramStarter), so a file name never runs
// anything.
#include <string>

#include "platform/program_starter.h"
#include "platform/user_interface.h"
#include "program/pointed_entry.h"
#include "program/program.h"

namespace quorvane {

inline constexpr const char* kRunErrorTitle = "Error running external process";
inline constexpr const char* kRunErrorPrompt = "Please enter a program to open selected file(s) :";

// What the runner keeps for the whole program: the viewer entered after a failure, which
// stands for DefaultViewer until the program ends, and the log viewer entered after a
// failure of "&View log" (empty until the user first enters one).
class ExternalPrograms {
 public:
  ExternalPrograms(Program& program, platform::ProgramStarter& starter) : program_(program), starter_(starter) {}

  Program& program() { return program_; }
  platform::ProgramStarter& starter() { return starter_; }
  // DefaultViewer, or the program entered in its place since the start.
  const std::string& defaultViewer() const;
  const std::string& logViewer() const { return logViewer_; }

  // RunExternal: program P (may be empty) with parameter text T. P not empty: P started
  // as one program found in PATH with the words of T as its arguments; then P as a file
  // from the working directory; then the words of P + " " + T. P empty: the desktop's
  // opener with the words of T. When all fail, the input box "Error running external
  // process" offers the default viewer; its answer replaces it and is tried the same way,
  // and a second failure ends in "Error opening the specified file(s) :...". True when
  // something started.
  bool RunExternal(const std::string& program, const std::string& parameters);

  // The main window's "&View log" runner: the desktop's opener with T, without the
  // combined command line; after a failure the input box offers the log viewer last
  // entered, which is remembered apart from DefaultViewer.
  bool RunLogViewer(const std::string& parameters);

 private:
  bool attempt(const std::string& program, const std::string& parameters, bool combined);
  bool askAndRetry(std::string& remembered, const std::string& parameters, bool combined);

  Program& program_;
  platform::ProgramStarter& starter_;
  bool viewerReplaced_ = false;
  std::string viewer_;
  std::string logViewer_;
};

// "Open &file..." (and a double click): the pointed side's file, opened with its
// associated program or, without one, the default viewer; each confirmed by its input box
// when force is set or its Confirm setting is on (Cancel stops). The path is one word of
// the parameter text (in double quotes when it holds a blank). Nothing without an openable
// pointed entry, or while a run is in progress.
void OpenFile(ExternalPrograms& runner, const PointedEntry& pointed, bool force);

// "&View log" of the Action menu: the log file (the synchronization dialog's log field)
// in the desktop's viewer; the error "Log file not found :" with the name when it is not
// there.
void ViewLog(ExternalPrograms& runner, const std::string& logFile);

// "&View log" of the operation status window: RunExternal with the desktop's viewer and
// the log file.
void ViewLogOfStatus(ExternalPrograms& runner, const std::string& logFile);

// The file of the pointed entry on its side: the side's set root followed by the path.
std::string PointedFilePath(const Comparison& comparison, const PointedEntry& pointed);

}  // namespace quorvane
