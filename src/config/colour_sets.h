#pragma once
// The built-in colour sets of the results grid and the printer style sets, in status
// order. Set 3 ("Custom") of the colours and set 2 ("Custom") of the styles are the
// settings record's CustomColours and CustomStyles.
#include <array>
#include <string_view>

#include "settings/settings.h"

namespace quorvane {

inline constexpr int kColourSetCount = 4;
inline constexpr int kCustomColourSet = 3;
inline constexpr std::array<std::string_view, kColourSetCount> kColourSetNames = {"Windows 16", "Pastel", "DOS", "Custom"};

inline constexpr std::array<ColourSet, 3> kBuiltInColourSets = {{
    {{0x808080, 0, 0, 0, 0, 0, 0, 0},
     {0xFFFFFF, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF00FF, 0xFFFF00, 0xFF00FF}},
    {{0x808080, 0, 0, 0, 0, 0, 0, 0},
     {0xFFFFFF, 0x4662FF, 0xB0FFFF, 0xBBFFBB, 0xFFFFBF, 0xFF95FF, 0xFFFFBF, 0xFF95FF}},
    {{0xFFFFFF, 0xFFFFFF, 0x00FFFF, 0x0000FF, 0, 0, 0, 0},
     {0x800000, 0x0000FF, 0x800000, 0x800000, 0xFFFF00, 0xFF00FF, 0xFFFF00, 0xFF00FF}},
}};

// The colours of set 0..3 (3: the settings' Custom set). A number outside 0..3 gives set 0.
const ColourSet& ColoursOfSet(const Settings& settings, int set);

inline constexpr int kStyleSetCount = 3;
inline constexpr int kCustomStyleSet = 2;
inline constexpr std::array<std::string_view, kStyleSetCount> kStyleSetNames = {"None", "Standard", "Custom"};
inline constexpr StyleSet kNoStyles = {0, 0, 0, 0, 0, 0, 0, 0};
inline constexpr StyleSet kStandardStyles = {0, psBold, psUnderline, psStrikeOut, psBold, psBold, psBold, psBold};

// The styles of set 0..2 (2: the settings' Custom set). A number outside 0..2 gives set 0.
const StyleSet& StylesOfSet(const Settings& settings, int set);

// The sizes offered by the grid and printer font size lists.
inline constexpr std::array<int, 18> kFontSizes = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

}  // namespace quorvane
