#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

QString WindowText(std::string_view text) {
  QString s = FromUtf8(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

}  // namespace quorvane::ui
