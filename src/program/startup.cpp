#include "program/startup.h"

#include "config/apply_masks.h"
#include "config/ini_file.h"
#include "config/ini_values.h"
#include "engine/path_key.h"
#include "engine/set_kind.h"
#include "platform/current_directory.h"
#include "platform/profile.h"
#include "program/run_commands.h"
#include "program/termine.h"

namespace quorvane {

namespace {

constexpr const char* kWhatsNew =
    "You have just installed a new build of Quorvane.\r\rClick 'Ok' to view what's new in this release.\rYou can "
    "also do this later, jumping to the\rtopic \"What's new\" in the Help system.\r\rTips:\r\r- ToolTip information is "
    "available on almost each area.\r  Just move the mouse cursor over buttons or items\r  and wait for the hint to "
    "display.\r\r- Use right-click in the Toolbar, and in the main window  \r  to show the context-sensitive popup "
    "menus, showing\r  all available actions.\r\r- Use the context-sensitive help system, using F1\r  or click on the "
    "Help buttons.\r";

void showError(Program& p, const std::string& text) {
  p.ui.message(text, platform::MessageKind::Error, platform::MessageButtons::Ok);
}

void openSet(Program& p, const std::string& name, SetKind kindOverride, Side side) {
  const std::string path = platform::absoluteFromWorkingDirectory(name);
  const SetKind kind = kindOverride != SetKind::Nothing ? kindOverride : SetKindOf(path);
  if (kind == SetKind::Directory)
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
    p.ui.openHelpTopic("WhatsNew");
  WriteText("Quorvane", "Build", kCurrentBuild);
}

bool setsGiven(const Program& p) {
  if (p.comparison.State.SnapshotMode) return p.comparison.State.NewSet.Kind != SetKind::Nothing;
  return p.comparison.State.NewSet.Kind != SetKind::Nothing && p.comparison.State.OldSet.Kind != SetKind::Nothing;
}

}  // namespace

void DoInits(Program& p, const std::vector<std::string>& args) {
  Comparison& c = p.comparison;
  try {
    c.State.Stats = {};
    p.ui.splashStatus("Init help file");
    p.ui.splashStatus("Init Colors");
    const int colours = p.ui.screenColours();
    p.settings.ColorSet = (colours > 16 || colours < 0) ? 1 : 0;
    p.ui.splashStatus("Init Memory");
    p.ui.splashStatus("Init FileMasks");
    p.ui.splashStatus("Init Lists");
    p.ui.splashStatus("Init LoadCfg");
    p.settings.OutputFile.clear();
    LoadCfg(c);
    c.State.ResultsSaved = true;

    p.ui.splashStatus("Init Command line");
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

    p.ui.showMainWindow(p.commandLine.DiagnosticMode);
    p.ui.splashStatus("Init Printer");
    p.ui.initPrinter();
    p.ui.splashStatus("Init Parameters");
    initParameters(p);
    p.ui.splashStatus("Init Hints");
    p.caption += "  (Build 2012.07.22 / BETA)";
    if (p.commandLine.DiagnosticMode) p.caption += "   :^D";
    p.ui.setCaption(p.caption);
    if (p.ui.mainWindowExists()) whatsNew(p);
  } catch (const std::exception&) {
    showError(p, "DoInits: Exception found");
  }
  p.selection.PositionalCount = 0;
  p.ui.splashStatus("");
  p.ui.refreshIndicators();

  if (p.settings.StartIfCmdLine && setsGiven(p)) RunAutomaticComparison(p);
}

}  // namespace quorvane
