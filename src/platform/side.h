#pragma once

namespace quorvane {

// The two sets of a comparison.
enum class Side { New, Old };

inline const char* sideWord(Side s) { return s == Side::New ? "New" : "Old"; }
inline const char* sideWordUpper(Side s) { return s == Side::New ? "NEW" : "OLD"; }

}  // namespace quorvane
