#pragma once
// The command line: positional set names and masks, switches that override the settings
// for this run, and the lists it fills. A switch begins with "-", or with "/" when the
// parameter names no existing path and is a complete switch of the table (a known letter
// in one of its forms), so absolute paths, mistyped ones included, stay file names.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "config/report_format.h"
#include "config/sync_switches.h"
#include "settings/settings.h"
#include "engine/comparison.h"

namespace quorvane {

struct CommandLine {
  std::vector<std::string> Positional;  // at most 4
  SetKind NewKindOverride = SetKind::Nothing;  // Nothing when not given
  SetKind OldKindOverride = SetKind::Nothing;
  bool SnapshotMode = false;    // /L
  bool DiagnosticMode = false;  // /Z
  bool AppendOutput = false;    // /OA:
  ReportFormat Format = ReportFormat::Text;  // --Format: the diff report's form with /O: and /OA:
  bool NoLogo = false;          // /NOLOGO
  bool Test1 = false;           // --Test1
  bool HelpRequested = false;   // /H, /?, -h, --help: print the usage and end
  bool VersionRequested = false;  // --version
  SyncSwitches Sync;              // --Sync: and the switches of the headless synchronization
};

// A command-line error: the program shows the message and ends.
class CommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the parameters (without the program name) in order. Switches change settings,
// the file list's filters, the include/exclude directory lists, the alias list and the
// sides' checksum kinds in c. Parsing stops at a help or version request.
// Throws CommandLineError with the message to show.
CommandLine ParseCommandLine(const std::vector<std::string>& args, Settings& settings, Comparison& c);

// True when the parameter is read as a switch rather than a file name.
bool IsSwitch(const std::string& parameter);

// The usage text printed by --help (and shown by the help topic "Syntax").
const char* UsageText();

}  // namespace quorvane
