#pragma once
// The window's side of the user-interface contract: the dialogs' part comes from
// DialogUserInterface; this adds the main window's steps, its notices, the grid's name
// measure, the printer and the platform's directory and open-file dialogs.
#include <memory>

#include "platform/text_device.h"
#include "ui/dialogs/dialog_user_interface.h"

namespace quorvane::ui {

class MainWindow;

class WindowUserInterface : public DialogUserInterface {
 public:
  WindowUserInterface();
  ~WindowUserInterface() override;

  void setMainWindow(MainWindow* window);

  int screenColours() override;
  void showMainWindow(bool diagnosticMode) override;
  void setCaption(std::string_view caption) override;
  void refreshIndicators() override;
  bool mainWindowExists() override { return window_ != nullptr; }
  const platform::NameMetrics* nameMetrics() override;
  PrinterPort* printer() override;

  std::optional<std::string> chooseDirectory(std::string_view title, std::string_view startFolder) override;
  std::optional<std::string> chooseOpenFile(std::string_view title, std::string_view startFolder,
                                            const std::vector<std::string>& filters) override;
  std::optional<std::string> chooseSaveFile(std::string_view title, std::string_view startFolder,
                                            std::string_view defaultExtension,
                                            const std::vector<std::string>& filters) override;

  // The user tool dialog over the "User tool" group of an options dialog loaded on its
  // Tools page.
  bool showUserToolDialog(UserToolFields& fields) override;

  void resultsChanged() override;
  void commandsChanged() override;
  void runStarted() override;
  void runEnded() override;

 private:
  MainWindow* window_ = nullptr;
  std::unique_ptr<PrinterPort> printer_;
};

}  // namespace quorvane::ui
