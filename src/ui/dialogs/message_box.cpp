#include "ui/dialogs/message_box.h"

#include "platform/headless_user_interface.h"
#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

using platform::Answer;
using platform::MessageButtons;
using platform::MessageKind;

QString MessageTitle(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Confirmation: return QStringLiteral("Confirm");
  }
  return {};
}

QMessageBox::Icon MessageIcon(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QList<QMessageBox::StandardButton> MessageButtonList(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return {QMessageBox::Ok};
    case MessageButtons::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case MessageButtons::YesCancel: return {QMessageBox::Yes, QMessageBox::Cancel};
    case MessageButtons::AbortRetry: return {QMessageBox::Abort, QMessageBox::Retry};
    case MessageButtons::RetryCancel: return {QMessageBox::Retry, QMessageBox::Cancel};
    case MessageButtons::Cancel: return {QMessageBox::Cancel};
  }
  return {QMessageBox::Ok};
}

Answer AnswerOf(int result, MessageButtons buttons) {
  bool offered = false;
  for (QMessageBox::StandardButton b : MessageButtonList(buttons)) offered = offered || b == result;
  if (offered) {
    switch (result) {
      case QMessageBox::Ok: return Answer::Ok;
      case QMessageBox::Cancel: return Answer::Cancel;
      case QMessageBox::Yes: return Answer::Yes;
      case QMessageBox::No: return Answer::No;
      case QMessageBox::Abort: return Answer::Abort;
      case QMessageBox::Retry: return Answer::Retry;
      default: break;
    }
  }
  return platform::HeadlessUserInterface::safeDefault(buttons);
}

Answer ShowMessage(QWidget* parent, std::string_view text, MessageKind kind, MessageButtons buttons) {
  QMessageBox box(MessageIcon(kind), MessageTitle(kind), WindowText(text), QMessageBox::NoButton, parent);
  const QList<QMessageBox::StandardButton> list = MessageButtonList(buttons);
  for (QMessageBox::StandardButton b : list) box.addButton(b);
  box.setDefaultButton(list.front());
  // Escape answers like the box's safe button, when the set has one.
  const Answer safe = platform::HeadlessUserInterface::safeDefault(buttons);
  for (QMessageBox::StandardButton b : list)
    if (AnswerOf(b, buttons) == safe && list.size() > 1) box.setEscapeButton(b);
  return AnswerOf(box.exec(), buttons);
}

}  // namespace quorvane::ui
