#pragma once
// The filter templates of the Options dialog's Filters page: each names the status boxes it
// checks in the exclude presentation (a checked box hides its status).
#include <array>
#include <cstdint>
#include <string_view>

namespace quorvane {

inline constexpr int kCustomTemplate = 0;  // "Custom (user choice)": choosing it changes nothing
inline constexpr int kShowAllTemplate = 1;

struct FilterTemplate {
  std::string_view name;
  std::uint8_t excluded;  // status bits whose boxes are checked (exclude presentation)
};

inline constexpr std::array<FilterTemplate, 7> kFilterTemplates = {{
    {"Custom (user choice)", 0},
    {"Show all files", 0},
    {"Show differences only", 0x01},
    {"Show identical files only", 0xFE},
    {"Show New files only", 0x01 | 0x20 | 0x08},
    {"Show Obsolete files only", 0x01 | 0x10 | 0x04},
    {"Exclude inserted/deleted files", 0x04 | 0x08},
}};

}  // namespace quorvane
