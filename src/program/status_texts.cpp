#include "program/status_texts.h"

#include <cstdio>

namespace quorvane {

std::string StatusElapsedText(std::uint64_t ms) {
  const std::uint64_t seconds = ms / 1000;
  char text[64];
  std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu  %llu'", static_cast<unsigned long long>(seconds / 3600),
                static_cast<unsigned long long>(seconds / 60 % 60), static_cast<unsigned long long>(seconds % 60),
                static_cast<unsigned long long>(ms % 1000));
  return text;
}

StatusTexts StatusTextsOf(const platform::StatusSummary& summary) {
  StatusTexts t;
  t.compared = std::to_string(summary.filesCompared);
  t.matching = std::to_string(summary.matching);
  t.newDuplicates = std::to_string(summary.newDuplicates);
  t.oldDuplicates = std::to_string(summary.oldDuplicates);
  t.filesInError = std::to_string(summary.filesInError);
  for (std::size_t i = 0; i < t.shown.size(); ++i) t.shown[i] = std::to_string(summary.shownCounts[i]);
  t.memory = std::to_string(summary.memoryUsed / 1024) + " kb used";
  t.elapsed = StatusElapsedText(summary.elapsedMs);
  t.saved = summary.saved;
  t.saveStatus = summary.saved ? "Saved" : "Not saved";
  t.warningVisible = summary.subdirectoriesWarning;
  return t;
}

}  // namespace quorvane
