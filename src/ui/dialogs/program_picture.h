#pragma once
// The program's picture: two overlapping file trees, the New one in front, joined by a
// comparison mark. Drawn rather than loaded, so it is sharp at every size.
#include <QPixmap>

namespace quorvane::ui {

QPixmap ProgramPicture(int size);

}  // namespace quorvane::ui
