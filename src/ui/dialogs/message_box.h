#pragma once
// The modal message boxes of the core: kind -> icon and title, button set -> buttons.
#include <QMessageBox>
#include <string_view>

#include "platform/user_interface.h"

namespace quorvane::ui {

// The box's title for a kind: "Error", "Warning", "Information", "Confirm".
QString MessageTitle(platform::MessageKind kind);
QMessageBox::Icon MessageIcon(platform::MessageKind kind);
// The buttons of a set, the first the default one.
QList<QMessageBox::StandardButton> MessageButtonList(platform::MessageButtons buttons);
// The answer a button gives; a box closed some other way gives the set's safe answer
// (Cancel, No or Abort).
platform::Answer AnswerOf(int result, platform::MessageButtons buttons);

// Shows the box modally and returns the button pressed.
platform::Answer ShowMessage(QWidget* parent, std::string_view text, platform::MessageKind kind,
                             platform::MessageButtons buttons);

}  // namespace quorvane::ui
