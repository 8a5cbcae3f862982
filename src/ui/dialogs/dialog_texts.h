#pragma once
// Texts of the core as the windows show them.
#include <QString>
#include <string_view>

namespace quorvane::ui {

// UTF-8 text with its "\r\n" and lone "\r" line breaks turned into "\n".
QString WindowText(std::string_view text);

}  // namespace quorvane::ui
