#include "program/front_end_choice.h"

#include "config/command_line.h"
#include "config/ini_file.h"
#include "engine/comparison.h"
#include "platform/headless_user_interface.h"

namespace quorvane {

FrontEnd ChooseFrontEnd(const std::vector<std::string>& args) {
  platform::HeadlessUserInterface quiet(nullptr);
  Settings settings;
  Comparison c(settings, quiet);
  LoadCfg(c);
  CommandLine line;
  try {
    line = ParseCommandLine(args, settings, c);
  } catch (const CommandLineError&) {
    return settings.AutoMode ? FrontEnd::Headless : FrontEnd::Window;
  }
  if (line.HelpRequested || line.VersionRequested) return FrontEnd::Headless;
  if (!settings.AutoMode) return FrontEnd::Window;
  const std::size_t needed = line.SnapshotMode ? 1 : 2;
  return line.Positional.size() >= needed ? FrontEnd::Headless : FrontEnd::Window;
}

}  // namespace quorvane
