#include "ui/printing/gui_application.h"

#include <QGuiApplication>
#include <cstdlib>

namespace quorvane::printing {

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const bool noDisplay = (!display || !*display) && (!wayland || !*wayland);
  if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quorvane";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own clean-up at exit must not run after the application is gone.
  new QGuiApplication(argc, argv);
}

}  // namespace quorvane::printing
