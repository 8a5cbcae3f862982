#include "config/colour_sets.h"

namespace quorvane {

const ColourSet& ColoursOfSet(const Settings& settings, int set) {
  if (set == kCustomColourSet) return settings.CustomColours;
  if (set < 0 || set >= kCustomColourSet) set = 0;
  return kBuiltInColourSets[static_cast<std::size_t>(set)];
}

const StyleSet& StylesOfSet(const Settings& settings, int set) {
  if (set == kCustomStyleSet) return settings.CustomStyles;
  return set == 1 ? kStandardStyles : kNoStyles;
}

}  // namespace quorvane
