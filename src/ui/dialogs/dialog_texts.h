#pragma once
// Texts of the core as the windows show them.
#include <QString>
#include <string_view>

namespace quorvane::ui {

// UTF-8 text as it stands: names, paths, captions.
inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// UTF-8 text with its "\r\n" and lone "\r" line breaks turned into "\n".
QString WindowText(std::string_view text);

}  // namespace quorvane::ui
