// The Options dialog opened from the window shows the program's printer with the stored
// orientation, and the help bubbles follow their box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "program/report_writers.h"
#include "sources/set_readers.h"
#include "support/temp_ini.h"
#include "support/temp_tree.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/options_printer.h"
#include "ui/main_window/scripted_window_interface.h"

namespace quorvane::ui {
namespace {

struct OptionsFromWindow : ::testing::Test {
  OptionsFromWindow() : program(ui, readers, writers), window(program) { ui.setMainWindow(&window); }
  ~OptionsFromWindow() override { unsetenv("QUORVANE_PRINT_PDF"); }

  test::TempIni ini;
  test::TempTree t;
  test::ScriptedWindowInterface ui;
  SetSourceReaders readers;
  ReportWriters writers;
  Program program;
  MainWindow window;
};

TEST_F(OptionsFromWindow, ThePrintingPageShowsThePrinterAndItsOrientation) {
  const std::string pdf = t.path("out.pdf");
  setenv("QUORVANE_PRINT_PDF", pdf.c_str(), 1);
  program.settings.PrinterOrientation = 1;
  QString printer, orientation;
  bool setup = false;
  test::WhenModal<OptionsDialog>([&](OptionsDialog* d) {
    printer = d->findChild<QLabel*>(QStringLiteral("LPrinterName"))->text();
    orientation = d->findChild<QLabel*>(QStringLiteral("LOrientation"))->text();
    setup = d->findChild<QPushButton*>(QStringLiteral("bnSetup"))->isEnabled();
    d->reject();
  });
  window.openOptions(static_cast<int>(OptionsPage::Printing));
  EXPECT_EQ(printer, QStringLiteral("Printer: ") + QString::fromStdString(pdf));
  EXPECT_EQ(orientation, QStringLiteral("Orientation : Landscape"));
  EXPECT_TRUE(setup);

  // Without a printer: none, n/a, and no set-up.
  unsetenv("QUORVANE_PRINT_PDF");
  if (!ui.printer()->PrinterName().empty()) GTEST_SKIP() << "this machine has a printer";
  test::WhenModal<OptionsDialog>([&](OptionsDialog* d) {
    printer = d->findChild<QLabel*>(QStringLiteral("LPrinterName"))->text();
    orientation = d->findChild<QLabel*>(QStringLiteral("LOrientation"))->text();
    setup = d->findChild<QPushButton*>(QStringLiteral("bnSetup"))->isEnabled();
    d->reject();
  });
  window.openOptions(static_cast<int>(OptionsPage::Printing));
  EXPECT_EQ(printer, QStringLiteral("Printer: <none>"));
  EXPECT_EQ(orientation, QStringLiteral("Orientation : n/a"));
  EXPECT_FALSE(setup);
}

TEST_F(OptionsFromWindow, HelpBubblesAreSwallowedWhileTheirBoxIsOff) {
  struct TipCounter : QWidget {
    int tips = 0;
    bool event(QEvent* e) override {
      if (e->type() == QEvent::ToolTip) ++tips;
      return QWidget::event(e);
    }
  } widget;
  const auto tip = [&widget] {
    QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&widget, &e);
  };
  tip();
  EXPECT_EQ(widget.tips, 1);
  SetHelpBubbles(false);
  tip();
  EXPECT_EQ(widget.tips, 1);
  SetHelpBubbles(true);
  tip();
  EXPECT_EQ(widget.tips, 2);
}

}  // namespace
}  // namespace quorvane::ui
