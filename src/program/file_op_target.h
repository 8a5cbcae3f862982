#pragma once
// The checks of a file operation's target directory, and the operation code it leads to.
#include <optional>
#include <string>

#include "fileops/operation_codes.h"
#include "platform/file_system.h"
#include "program/file_op_dialog_model.h"

namespace quorvane {

struct TargetCheck {
  std::string error;          // the message of a refused target; empty when accepted
  std::string directory;      // the target's absolute, normal form, ending with "/"
  fileops::OperationCode code = fileops::OperationCode::CopyNewToOld;
};

// The target of a copy or move from the New side (fromNew) or the Old side, whose sets'
// directories end with "/". Refused: an empty target, a relative one, one whose nearest
// existing ancestor is not a directory, the source directory itself or a directory
// inside it. The other set's directory (letter case aside, as every path comparison)
// gives code 0 or 1, any other directory 2 or 3.
TargetCheck CheckTarget(platform::FileSystem& fs, const std::string& target, bool fromNew, const std::string& newDir,
                        const std::string& oldDir);

// The absolute path in normal form: no empty, "." or ".." parts, ending with "/".
std::string NormalDirectory(const std::string& absolute);

// ASCII letters folded.
bool SamePathIgnoringCase(const std::string& a, const std::string& b);

}  // namespace quorvane
