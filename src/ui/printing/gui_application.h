#pragma once

namespace quorvane::printing {

// Makes sure a Qt GUI application exists, which painting and the printer list need. The
// program's own application is used when there is one; otherwise one is started, on the
// offscreen platform when no display is set, and kept until the process ends.
void EnsureGuiApplication();

}  // namespace quorvane::printing
