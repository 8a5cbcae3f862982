#include "config/apply_masks.h"

#include "engine/value_text.h"

namespace quorvane {

namespace {

constexpr const char* kRefusalReason = "it holds \"/\", \"\\\" or a control character";

}  // namespace

bool MaskRejected(std::string_view mask) {
  for (char c : mask)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  return false;
}

void ApplyMasks(Settings& settings, FileMasks& masks, platform::UserInterface& ui) {
  using platform::MessageButtons;
  using platform::MessageKind;

  masks.Refused.clear();
  const std::string include = TrimBlanks(settings.IncludeMask);
  if (include.empty()) settings.IncludeMask = "*.*";
  if (MaskRejected(include)) {
    settings.IncludeMask = "*.*";
    masks.Include.SetMask("*.*");
    masks.Refused.push_back({include, std::string("include wildcard refused (") + kRefusalReason +
                                          "), reset to \"*.*\""});
    ui.message("Incorrect Include wildcard : " + include + "\rInclude wildcard reset to \"*.*\"", MessageKind::Error,
               MessageButtons::Ok);
  } else {
    masks.Include.SetMask(include.empty() ? "*.*" : include);
  }

  masks.ExclusionCount = 0;
  std::string_view rest = settings.ExcludeMask;
  const std::string trimmed = TrimBlanks(rest);
  rest = trimmed;
  while (!rest.empty() && !settings.ExcludeMask.empty()) {
    const std::size_t semicolon = rest.find(';');
    const std::string_view piece = rest.substr(0, semicolon);
    rest = semicolon == std::string_view::npos ? std::string_view{} : rest.substr(semicolon + 1);
    if (MaskRejected(piece)) {
      const std::string shown(piece);
      settings.ExcludeMask.clear();
      masks.ExclusionCount = 0;
      masks.Refused.push_back({shown, std::string("exclude wildcard refused (") + kRefusalReason +
                                          "), every exclude wildcard discarded"});
      ui.message("Incorrect Exclude wildcard : " + shown + "\rExclude wildcard discarded.", MessageKind::Error,
                 MessageButtons::Ok);
      break;
    }
    if (masks.ExclusionCount == FileMasks::kMaxExclusions) {
      ui.message("Too many Exclude wildcards : only the first 32 are used.", MessageKind::Warning, MessageButtons::Ok);
      break;
    }
    masks.Exclusions[masks.ExclusionCount++].SetMask(piece);
  }
}

std::string ExcludeMaskText(const FileMasks& masks) {
  std::string text;
  for (std::size_t i = 0; i < masks.ExclusionCount; ++i) {
    if (i > 0) text += ';';
    text += masks.Exclusions[i].MaskText();
  }
  return text;
}

}  // namespace quorvane
