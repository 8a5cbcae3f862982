#include "config/startup.h"

#include <unistd.h>

#include "config/apply_masks.h"
#include "config/ini_file.h"
#include "config/ini_values.h"
#include "engine/path_key.h"
#include "engine/run_comparison.h"
#include "engine/set_kind.h"
#include "platform/path_checks.h"
#include "platform/profile.h"

namespace quorvane {

namespace {

constexpr const char* kWhatsNew =
    "You have just installed a new build of Quorvane.\r\rClick 'Ok' to view what's new in this release.\rYou can "
    "also do this later, jumping to the\rtopic \"What's new\" in the Help system.\r\rTips:\r\r- ToolTip information is "
    "available on almost each area.\r  Just move the mouse cursor over buttons or items\r  and wait for the hint to "
    "display.\r\r- Use right-click in the Toolbar, and in the main window  \r  to show the context-sensitive popup "
    "menus, showing\r  all available actions.\r\r- Use the context-sensitive help system, using F1\r  or click on the "
    "Help buttons.\r";

std::string absolutePath(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  char cwd[4096];
  if (!getcwd(cwd, sizeof cwd)) return path;
  std::string base = cwd;
  if (base.back() != '/') base += '/';
  return base + path;
}

void showError(Program& p, const std::string& text) {
  p.ui.message(text, platform::MessageKind::Error, platform::MessageButtons::Ok);
}

void openSet(Program& p, const std::string& name, std::uint8_t kindOverride, Side side) {
  const std::string path = absolutePath(name);
  const std::uint8_t kind = kindOverride ? kindOverride : SetKindOf(path);
  if (kind == skDirectory)
    p.selection.OpenSetDirectory(path, side, false);
  else
    p.selection.OpenSetFileOfKind(path, kind, side, false);
}

void initParameters(Program& p) {
  const std::vector<std::string>& args = p.commandLine.Positional;
  if (args.empty()) return;
  const bool snapshot = p.commandLine.SnapshotMode;
  if (snapshot && args.size() > 3) {
    showError(p, "Too many filespecs for Generate Snap");
    return;
  }
  p.selection.PositionalCount = args.size();
  try {
    openSet(p, args[0], p.commandLine.NewKindOverride, Side::New);
    const std::size_t masksFrom = snapshot ? 1 : 2;
    if (!snapshot && args.size() > 1) openSet(p, args[1], p.commandLine.OldKindOverride, Side::Old);
    p.settings.IncludeMask = args.size() > masksFrom ? args[masksFrom] : "";
    p.settings.ExcludeMask = args.size() > masksFrom + 1 ? args[masksFrom + 1] : "";
    ApplyMasks(p.settings, p.comparison.Masks, p.ui);
  } catch (const std::exception& e) {
    showError(p, e.what()[0] ? e.what() : "DoInits: error during file list processing");
  }
}

void whatsNew(Program& p) {
  const std::string build = platform::readProfileString("Quorvane", "Build", "");
  if (sameFolded(build, kCurrentBuild)) return;
  if (p.ui.message(kWhatsNew, platform::MessageKind::Information, platform::MessageButtons::OkCancel) ==
      platform::Answer::Ok)
    p.windows.OpenHelpTopic("WhatsNew");
  WriteText("Quorvane", "Build", kCurrentBuild);
}

bool setsGiven(const Program& p) {
  if (p.comparison.State.SnapshotMode) return p.comparison.State.NewSet.Kind != skNothing;
  return p.comparison.State.NewSet.Kind != skNothing && p.comparison.State.OldSet.Kind != skNothing;
}

// The output of the automatic mode must not be one of the files it reads: writing it
// would destroy the set, and reading it while it is written gives nonsense. Shows the
// refusal and returns false when it is.
bool outputIsNoSet(Program& p) {
  const std::string& target = p.settings.OutputFile;
  if (target == "[Printer]") return true;
  const RunState& s = p.comparison.State;
  for (const Side side : {Side::New, Side::Old}) {
    if (side == Side::Old && s.SnapshotMode) continue;
    const SetDescription& set = side == Side::New ? s.NewSet : s.OldSet;
    if (set.Kind == skDirectory || set.Kind == skNothing) continue;
    if (!platform::sameExistingFile(target, set.Root)) continue;
    p.ui.messageAbout(std::string("The output file is the ") + sideWordUpper(side) + " set :\r" + target +
                          "\rNothing was compared, nothing was written.",
                      platform::MessageKind::Error, platform::MessageButtons::Ok, {target, {}});
    return false;
  }
  return true;
}

}  // namespace

Program::Program(platform::UserInterface& u, ProgramWindows& w, SetReaders& r, ResultWriters& wr)
    : ui(u), windows(w), readers(r), writers(wr), comparison(settings, u), selection(comparison) {}

void DoInits(Program& p, const std::vector<std::string>& args) {
  Comparison& c = p.comparison;
  try {
    c.State.Stats = {};
    p.windows.SplashStatus("Init help file");
    p.windows.SplashStatus("Init Colors");
    const int colours = p.windows.ScreenColours();
    p.settings.ColorSet = (colours > 16 || colours < 0) ? 1 : 0;
    p.windows.SplashStatus("Init Memory");
    p.windows.SplashStatus("Init FileMasks");
    p.windows.SplashStatus("Init Lists");
    p.windows.SplashStatus("Init LoadCfg");
    p.settings.OutputFile.clear();
    LoadCfg(c);
    c.State.ResultsSaved = true;

    p.windows.SplashStatus("Init Command line");
    try {
      p.commandLine = ParseCommandLine(args, p.settings, c);
    } catch (const CommandLineError& e) {
      p.ui.message(e.what(), platform::MessageKind::Error, platform::MessageButtons::Ok);
      Termine(p, "", ExitKind::Error);
      return;
    }
    if (p.commandLine.HelpRequested || p.commandLine.VersionRequested) {
      Termine(p, "", ExitKind::Quiet);
      return;
    }
    c.State.SnapshotMode = p.commandLine.SnapshotMode;

    p.windows.ShowMainWindow(p.commandLine.DiagnosticMode);
    p.windows.SplashStatus("Init Printer");
    p.windows.InitPrinter();
    p.windows.SplashStatus("Init Parameters");
    initParameters(p);
    p.windows.SplashStatus("Init Hints");
    p.caption += "  (Build 2012.07.22 / BETA)";
    if (p.commandLine.DiagnosticMode) p.caption += "   :^D";
    p.windows.SetCaption(p.caption);
    if (p.windows.MainWindowExists()) whatsNew(p);
  } catch (const FatalStop&) {
    throw;
  } catch (const std::exception&) {
    showError(p, "DoInits: Exception found");
  }
  p.selection.PositionalCount = 0;
  p.windows.SplashStatus("");
  p.windows.RefreshIndicators();

  if (p.settings.StartIfCmdLine && setsGiven(p)) RunAutomaticComparison(p);
}

void RunAutomaticComparison(Program& p) {
  Comparison& c = p.comparison;
  if (p.settings.AutoMode && !outputIsNoSet(p)) {
    p.autoRunFailed = true;
    Termine(p, "", ExitKind::Error);
    return;
  }
  const RunOutcome outcome = RunComparison(c, p.readers);
  if (!p.settings.AutoMode) return;
  // Only a completed run has a result: the output of a failed or aborted one would be
  // empty or partial, and written over yesterday's good report or snapshot.
  if (outcome == RunOutcome::Completed) {
    p.outputWritten = c.State.SnapshotMode
                          ? p.writers.WriteSnapshot(c, p.settings.OutputFile, p.commandLine.AppendOutput)
                          : p.writers.WriteDiffReport(c, p.settings.OutputFile, p.commandLine.AppendOutput);
  }
  p.autoRunFailed = outcome != RunOutcome::Completed || !p.outputWritten;
  if (QuitPrompt(p)) Termine(p, "", ExitKind::Normal);
}

bool QuitPrompt(Program& p) {
  if (p.settings.AutoMode || !p.settings.QuitSave || p.comparison.State.ResultsSaved) return true;
  return p.ui.message("The Diff or Snapshot currently in memory\rhas not been saved yet.\rDo you still want to quit ?",
                      platform::MessageKind::Warning, platform::MessageButtons::YesCancel) == platform::Answer::Yes;
}

void Termine(Program& p, const std::string& message, ExitKind kind) {
  if (p.ended) return;
  if (message.empty() && kind != ExitKind::Quiet) {
    if (p.windows.MainWindowExists()) IniFileSave(p.settings, p.ui);
  } else if (!message.empty()) {
    p.ui.message(message, kind == ExitKind::Error ? platform::MessageKind::Error : platform::MessageKind::Information,
                 platform::MessageButtons::Ok);
  }
  p.ended = true;
  if (p.settings.AutoMode && kind != ExitKind::Quiet) {
    const Comparison& c = p.comparison;
    if (kind == ExitKind::Error || p.autoRunFailed || !c.Problems.Empty())
      p.exitCode = 1;
    else if (c.State.SnapshotMode || c.Display.Count() == static_cast<std::int32_t>(c.State.Stats.ShownCounts[0]))
      p.exitCode = 0;
    else
      p.exitCode = 2;
  } else {
    p.exitCode = (kind == ExitKind::Error) ? 1 : 0;
  }
}

}  // namespace quorvane
