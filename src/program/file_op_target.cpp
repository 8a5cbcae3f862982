#include "program/file_op_target.h"

#include <vector>

namespace quorvane {

namespace {

char fold(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

bool startsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (fold(text[i]) != fold(prefix[i])) return false;
  return true;
}

}  // namespace

bool SamePathIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && startsWithIgnoringCase(a, b);
}

std::string NormalDirectory(const std::string& absolute) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= absolute.size()) {
    std::size_t end = absolute.find('/', start);
    if (end == std::string::npos) end = absolute.size();
    const std::string part = absolute.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  std::string result = "/";
  for (const std::string& part : parts) result += part + "/";
  return result;
}

TargetCheck CheckTarget(platform::FileSystem& fs, const std::string& target, bool fromNew, const std::string& newDir,
                        const std::string& oldDir) {
  TargetCheck check;
  if (target.empty()) {
    check.error = "You must specify a target directory";
    return check;
  }
  if (target.front() != '/') {
    check.error = "Target directory must be an absolute path";
    return check;
  }
  check.directory = NormalDirectory(target);

  // A missing target is made by the copy; what exists of it must be a directory.
  std::string probe = check.directory;
  for (;;) {
    const platform::PathFacts facts = fs.facts(probe.size() > 1 ? probe.substr(0, probe.size() - 1) : probe);
    if (facts.exists()) {
      if (facts.kind != platform::PathKind::Directory) check.error = "Target directory doesn't exist";
      break;
    }
    if (probe == "/") {
      check.error = "Target directory doesn't exist";
      break;
    }
    probe = probe.substr(0, probe.rfind('/', probe.size() - 2) + 1);
  }
  if (!check.error.empty()) return check;

  const std::string& source = fromNew ? newDir : oldDir;
  const std::string& other = fromNew ? oldDir : newDir;
  if (SamePathIgnoringCase(check.directory, source)) {
    check.error = "Destination directory is the same as the Source directory";
  } else if (startsWithIgnoringCase(check.directory, source)) {
    check.error = "Destination directory is inside the Source directory";
  } else if (SamePathIgnoringCase(check.directory, other)) {
    check.code = fromNew ? fileops::OperationCode::CopyNewToOld : fileops::OperationCode::CopyOldToNew;
  } else {
    check.code = fromNew ? fileops::OperationCode::CopyNewToTarget : fileops::OperationCode::CopyOldToTarget;
  }
  return check;
}

}  // namespace quorvane
