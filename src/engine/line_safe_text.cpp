#include "engine/line_safe_text.h"

#include <algorithm>

namespace quorvane {

std::string LineSafeText(std::string_view text) {
  std::string safe(text);
  std::replace_if(safe.begin(), safe.end(), IsControlCharacter, '?');
  return safe;
}

}  // namespace quorvane
