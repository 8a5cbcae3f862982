#include "program/file_commands.h"

#include "platform/profile.h"

namespace quorvane {

FileCommands::FileCommands(Program& p, platform::FileSystem& f, fileops::FileOpStatusModel& status)
    : program(p), fs(f), engine(p.ui, f, status, p.settings) {
  sync.LoadFrom(p.settings, DefaultLogFile());
  fileOp.LoadFrom(p.settings);
  fileOp.Options = &sync.Options;
}

std::string DefaultLogFile() {
  const std::string ini = platform::profileFilePath();
  const std::size_t slash = ini.rfind('/');
  return slash == std::string::npos ? std::string("sync.log") : ini.substr(0, slash + 1) + "sync.log";
}

}  // namespace quorvane
