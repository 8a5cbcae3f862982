#include "ui/main_window/window_program.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdlib>

#include "config/command_line.h"
#include "config/ini_file.h"
#include "program/program.h"
#include "program/report_writers.h"
#include "program/run_guarded.h"
#include "program/startup.h"
#include "program/termine.h"
#include "sources/set_readers.h"
#include "ui/dialogs/program_picture.h"
#include "ui/dialogs/splash_window.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/window_user_interface.h"

namespace quorvane::ui {

namespace {

bool set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// /NOLOGO: no splash at all, rather than one closed as soon as the command line is read.
bool noLogo(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    if (!IsSwitch(a)) continue;
    std::string name = a.substr(a.size() > 1 && a[0] == '-' && a[1] == '-' ? 2 : 1);
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (name == "NOLOGO") return true;
  }
  return false;
}

}  // namespace

bool DisplayAvailable() { return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY"); }

int RunWindowProgram(int argc, char** argv, const std::vector<std::string>& args) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quorvane"));
  // The desktop entry's id ties the windows to it; the icon is the installed one, or the
  // program's picture drawn when it runs from a build.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorvane.Quorvane"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.quorvane.Quorvane"),
                                               QIcon(ProgramPicture(256))));
  app.setQuitOnLastWindowClosed(false);  // the program ends through Termine only

  WindowUserInterface ui;
  if (!noLogo(args)) {
    ui.splash()->show();
    ui.splash()->repaint();
    QApplication::processEvents();
  }
  SetSourceReaders readers;
  ReportWriters writers;
  Program program(ui, readers, writers);
  MainWindow window(program);
  ui.setMainWindow(&window);
  window.applyPlacement(LoadWindowPos(program.settings, window.placement()));

  // The start-up runs once the event loop runs, so that the splash and the window
  // repaint between its steps.
  QTimer::singleShot(0, &window, [&] {
    window.dispatch([&] { DoInits(program, args); });
    // QUORVANE_EXIT_AFTER_STARTUP: end as soon as start-up (and the comparison it may
    // start) is done and painted; the benchmarks time the window this way.
    if (!program.ended && set("QUORVANE_EXIT_AFTER_STARTUP")) {
      window.repaint();
      window.dispatch([&] { Termine(program, "", ExitKind::Normal); });
    }
  });
  const int code = app.exec();
  return program.ended ? program.exitCode : code;
}

}  // namespace quorvane::ui
