// quorvane: compares two sets of files. In automatic mode (-A) with its sets given it runs
// headless: no window and no display; the result goes to the output file or the printer and
// the exit code tells whether differences were found. Every other start opens the window.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "config/command_line.h"
#include "engine/program_version.h"
#include "platform/headless_user_interface.h"
#include "program/front_end_choice.h"
#include "program/program.h"
#include "program/report_writers.h"
#include "program/run_guarded.h"
#include "program/startup.h"
#include "sources/set_readers.h"

#ifdef QUORVANE_WITH_MODULE
#include "app/front_end_loader.h"
#include "app/lazy_printer_port.h"
#endif

int main(int argc, char** argv) {
  using namespace quorvane;
  const std::vector<std::string> args(argv + 1, argv + argc);

  if (ChooseFrontEnd(args) == FrontEnd::Window) {
#ifdef QUORVANE_WITH_WINDOW
    std::string why;
    const FrontEndModule* module = LoadFrontEndModule(&why);
    if (module == nullptr || module->runWindowProgram == nullptr) {
      std::cerr << "quorvane: cannot open the window: " << (module ? "the window module has no window" : why) << '\n';
      return 1;
    }
    if (module->displayAvailable()) return module->runWindowProgram(argc, argv, args);
    std::cerr << "quorvane: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                 "use -A with two sets and -O:<file> for a headless comparison (quorvane --help)\n";
#else
    std::cerr << "quorvane: this build has no window; use -A with two sets and -O:<file> (quorvane --help)\n";
#endif
    return 1;
  }

  platform::HeadlessUserInterface ui;  // no window: messages to standard error, safe answers
#ifdef QUORVANE_WITH_MODULE
  ui.setPrinter(std::make_unique<LazyPrinterPort>(ui));
#endif
  SetSourceReaders readers;
  ReportWriters writers;
  Program program(ui, readers, writers);

  RunGuarded(program, [&] { DoInits(program, args); });

  if (program.commandLine.HelpRequested) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (program.commandLine.VersionRequested) {
    std::printf("quorvane %s\n", kProgramVersion);
    return 0;
  }
  // A completed run that could not compare everything: its output was written, and each
  // problem gets a line here before the exit code 1.
  if (program.ended && program.settings.AutoMode)
    for (const std::string& line : program.comparison.Problems.Lines()) std::cerr << "quorvane: " << line << '\n';
  // A run that did not complete leaves the output file as it was; say so, so that a
  // script does not take yesterday's report for today's.
  if (program.ended && program.settings.AutoMode && program.exitCode == 1 && !program.outputWritten &&
      !program.settings.OutputFile.empty())
    std::cerr << "quorvane: nothing was written to " << program.settings.OutputFile << '\n';
  if (!program.ended) {
    // Only a complete automatic run comes here; a set that could not be opened leaves it
    // without a run.
    std::cerr << "quorvane: automatic mode needs the New and Old sets (or one set with -L); nothing was compared\n";
    return 1;
  }
  return program.exitCode;
}
