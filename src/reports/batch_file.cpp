#include "reports/batch_file.h"

#include "platform/path_form.h"

namespace quorvane {

BatchForm BatchForm::FromSettings(const Settings& s) {
  return {s.BatchBefore, s.BatchAfter, s.BatchDrive, s.BatchPath, s.BatchFull, s.BatchExt};
}

std::string BatchPrefix(const BatchForm& form, std::string_view setRoot) {
  // A Linux path has no drive letter and colon: BatchDrive adds nothing, and the full
  // path is the whole root. The prefix is never cut, so a long root stays a valid path.
  if (form.path && form.full) return std::string(setRoot);
  return {};
}

std::string BatchFileText(const BatchForm& form, std::string_view prefix, std::string_view entryPath) {
  const std::size_t slash = entryPath.rfind('\\');  // npos: no directory part
  const std::size_t dot = entryPath.rfind('.');
  const bool dotInName = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  const std::size_t end = !dotInName || form.extension ? entryPath.size() : dot;
  const std::size_t start = form.path || slash == std::string_view::npos ? 0 : slash + 1;

  std::string text(prefix);
  text.reserve(prefix.size() + end - start);
  platform::appendNative(text, entryPath.substr(start, end - start));
  return text;
}

std::string BatchLine(const BatchForm& form, std::string_view prefix, std::string_view entryPath) {
  return form.before + BatchFileText(form, prefix, entryPath) + form.after;
}

}  // namespace quorvane
