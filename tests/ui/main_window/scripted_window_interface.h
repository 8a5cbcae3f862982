#pragma once
// The window's interface with its message boxes and dialogs answered from a script, and a
// record of what was asked; everything else is the real window's.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "program/directory_chooser.h"
#include "ui/main_window/window_user_interface.h"

namespace quorvane::test {

class ScriptedWindowInterface : public ui::WindowUserInterface {
 public:
  std::deque<platform::Answer> answers;
  std::deque<std::optional<std::string>> dialogAnswers;
  std::vector<std::string> messages;
  struct SaveDialog {
    std::string title, extension;
    std::vector<std::string> filters;
  };
  std::vector<SaveDialog> saveDialogs;
  bool statusShown = false;

  platform::Answer message(std::string_view text, platform::MessageKind, platform::MessageButtons) override {
    messages.emplace_back(text);
    if (answers.empty()) return platform::Answer::Ok;
    const platform::Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<std::string> chooseDirectory(std::string_view, std::string_view) override { return next(); }
  // The program's directory chooser: the answer typed as the directory name, then OK.
  platform::DialogChoice showDirectoryChooser(DirectoryChooserModel& model) override {
    const std::optional<std::string> a = next();
    if (!a) return platform::DialogChoice::Cancel;
    model.DirectoryName = *a;
    return platform::DialogChoice::Run;
  }
  std::optional<std::string> chooseOpenFile(std::string_view, std::string_view,
                                            const std::vector<std::string>&) override {
    return next();
  }
  std::optional<std::string> chooseSaveFile(std::string_view title, std::string_view, std::string_view extension,
                                            const std::vector<std::string>& filters) override {
    saveDialogs.push_back({std::string(title), std::string(extension), filters});
    return next();
  }
  void progressShowModal() override {}
  void showStatusWindow(const platform::StatusSummary&) override { statusShown = true; }

 private:
  std::optional<std::string> next() {
    if (dialogAnswers.empty()) return std::nullopt;
    std::optional<std::string> a = dialogAnswers.front();
    dialogAnswers.pop_front();
    return a;
  }
};

}  // namespace quorvane::test
