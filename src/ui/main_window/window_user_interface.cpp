#include "ui/main_window/window_user_interface.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <limits>

#include "ui/dialogs/about_box.h"
#include "ui/dialogs/dialog_texts.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/user_tool_dialog.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/grid/results_grid.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/options_printer.h"
#include "ui/printing/printer.h"

namespace quorvane::ui {

WindowUserInterface::WindowUserInterface() = default;
WindowUserInterface::~WindowUserInterface() = default;

void WindowUserInterface::setMainWindow(MainWindow* window) {
  window_ = window;
  setParentWindow(window);
  if (!window) return;
  QObject::connect(window, &MainWindow::aboutRequested, aboutBox(), [this] { aboutBox()->exec(); });
  window->setProgressWindow([this]() -> QWidget* { return progressDialog(); });
}

int WindowUserInterface::screenColours() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return -1;
  const int depth = screen->depth();
  if (depth <= 0) return -1;
  return depth >= 31 ? std::numeric_limits<int>::max() : 1 << depth;
}

void WindowUserInterface::showMainWindow(bool /*diagnosticMode*/) {
  if (!window_) return;
  SetHelpBubbles(window_->program().settings.ShowHelpBubbles);
  window_->show();
  window_->raise();
  // The splash stays above the main window until its timer closes it, also where no window
  // manager keeps it on top.
  if (splash()->isVisible()) splash()->raise();
}

void WindowUserInterface::setCaption(std::string_view caption) {
  if (window_) window_->setWindowTitle(FromUtf8(caption));
}

void WindowUserInterface::refreshIndicators() {
  if (window_) window_->refreshIndicators();
}

const platform::NameMetrics* WindowUserInterface::nameMetrics() {
  return window_ ? window_->grid()->nameMetrics() : nullptr;
}

PrinterPort* WindowUserInterface::printer() {
  if (!printer_) printer_ = MakePrinterPort(*this);
  return printer_.get();
}

std::optional<std::string> WindowUserInterface::chooseDirectory(std::string_view title, std::string_view startFolder) {
  const QString chosen = QFileDialog::getExistingDirectory(window_, FromUtf8(title), FromUtf8(startFolder));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::optional<std::string> WindowUserInterface::chooseOpenFile(std::string_view title, std::string_view startFolder,
                                                               const std::vector<std::string>& filters) {
  QStringList names;
  for (const std::string& f : filters) names << FromUtf8(f);
  QFileDialog dialog(window_, FromUtf8(title), FromUtf8(startFolder));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(names);
  // The patterns name the kinds in capitals and match names in any letter case.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> WindowUserInterface::chooseSaveFile(std::string_view title, std::string_view startFolder,
                                                               std::string_view defaultExtension,
                                                               const std::vector<std::string>& filters) {
  QStringList names;
  for (const std::string& f : filters) names << FromUtf8(f);
  QFileDialog dialog(window_, FromUtf8(title), FromUtf8(startFolder));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);  // in an existing folder
  // The writers ask before replacing a file, with the program's own question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(names);
  const QString suffix = FromUtf8(defaultExtension);
  dialog.setDefaultSuffix(suffix);
  // Choosing a report form's filter gives a name typed without an extension that form's
  // extension, so the report is written in it; any other filter keeps the default.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, suffix](const QString& filter) {
    static const QStringList kForms = {QStringLiteral("csv"), QStringLiteral("json"), QStringLiteral("html")};
    const qsizetype at = filter.indexOf(QStringLiteral("(*."));
    const QString first = at < 0 ? QString() : filter.mid(at + 3).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0);
    dialog.setDefaultSuffix(kForms.contains(first, Qt::CaseInsensitive) ? first : suffix);
  });
  const QString pattern = QStringLiteral("*.") + suffix;
  for (const QString& name : names) {
    if (name.contains(pattern, Qt::CaseInsensitive)) {
      dialog.selectNameFilter(name);
      break;
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

bool WindowUserInterface::showUserToolDialog(UserToolFields& fields) {
  if (!window_) return false;
  OptionsDialog options(window_->program().comparison, window_);
  options.load(OptionsPage::Tools);
  TfrmUserTool dialog(window_);
  return dialog.choose(options, fields);
}

void WindowUserInterface::resultsChanged() {
  if (window_) window_->resultsChanged();
}

void WindowUserInterface::commandsChanged() {
  if (window_) window_->commandsChanged();
}

void WindowUserInterface::runStarted() {
  if (window_) window_->runStarted();
}

void WindowUserInterface::runEnded() {
  if (window_) window_->runEnded();
}

}  // namespace quorvane::ui
