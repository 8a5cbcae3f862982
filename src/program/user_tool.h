#pragma once
// "&User tool...": the configured comparison program on the New and Old files of the
// pointed entry, its parameter text built from the template's placeholders (%n / %N the
// New file, %o / %O the Old file).
#include <string>
#include <string_view>

#include "program/external_programs.h"
#include "program/pointed_entry.h"

namespace quorvane {

// The fields of the options' "User tool" group that the user tool dialog shows.
struct UserToolFields {
  std::string edDefaultUserTool;
  std::string edDefaultUserParms;
  bool cbConfirmDefaultUserTool = true;
};

inline constexpr std::string_view kNoPlaceholders = "%%Error1: No placeholders";
inline constexpr std::string_view kTooNarrow = "%%Error1: Too narrow";

// The parameter text: the first "%n" (else "%N") replaced by the New path and the first
// "%o" (else "%O") by the Old path, each path in double quotes when it holds a blank
// (Linux has no short names: %N and %O give the long path likewise), an empty path
// replaced by nothing, the result without surrounding blanks. kNoPlaceholders when neither
// placeholder is present, kTooNarrow when both are and start less than 3 characters apart.
std::string BuildToolCommand(std::string_view parameters, std::string_view newPath, std::string_view oldPath);

// The New and Old files of the entry: the set root followed by the path; empty for a side
// whose file is absent (New of a Deleted entry, Old of an Inserted one, no Old set) or
// whose set is not a directory (the file is not on disk). In snapshot mode the New file is
// always given.
struct ToolFiles {
  std::string newPath;
  std::string oldPath;
};
ToolFiles ToolFilesOf(const Comparison& comparison, const FileEntry& entry);

// The command: with confirm, the user tool dialog first (Cancel stops; on OK an empty
// program gives "No program specified", an empty template "No program parameters
// specified", and otherwise the three fields become the settings). The program and the
// template are kept trimmed in the settings; an empty program stops. The placeholder
// errors give their warnings; otherwise the program runs through RunExternal. Nothing
// without a pointed entry, or while a run is in progress.
void UserTool(ExternalPrograms& runner, const PointedEntry& pointed, bool confirm);

}  // namespace quorvane
