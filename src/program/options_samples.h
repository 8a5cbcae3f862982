#pragma once
// The live samples of the Options dialog, as text: the diff report layout, the batch file
// line and the user tool command line.
#include <array>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kFontSampleText = "Font sample 0123 456 789";
inline constexpr std::string_view kLayoutSampleHeader = "[Pelto Diff file]";

struct LayoutSampleChoice {
  bool DiffDblColumn = false;
  bool DiffCRC = false;
  bool DiffDate = false;
  bool DiffSize = false;
  bool DiffShortStatus = false;
  bool DiffDatimStatus = false;
  bool DiffSizeStatus = false;
};

// The header line followed by the six sample lines.
std::array<std::string, 7> LayoutSample(const LayoutSampleChoice& choice);

struct BatchSampleChoice {
  std::string_view before;  // the texts as the edits show them
  std::string_view after;
  bool drive = false;
  bool path = false;
  bool full = false;
  bool ext = false;
};

std::string BatchSample(const BatchSampleChoice& choice);

// The tool, a blank and the parameters with "%n"/"%N" standing for "NewFile.ext" and
// "%o"/"%O" for "oldFile.ext" (the first of each, lower case first). Parameters without a
// placeholder, or with the two less than 3 characters apart, are shown as given: the
// sample only shows what would run, the check belongs to running the tool.
std::string UserToolSample(std::string_view tool, std::string_view parameters);

}  // namespace quorvane
