#include "program/external_programs.h"

#include "platform/command_words.h"
#include "platform/directory_listing.h"
#include "platform/path_form.h"

namespace quorvane {

namespace {

std::vector<std::string> WithArguments(std::string program, const std::string& parameters) {
  std::vector<std::string> arguments{std::move(program)};
  for (std::string& word : platform::SplitCommandWords(parameters)) arguments.push_back(std::move(word));
  return arguments;
}

void OpeningFailed(platform::UserInterface& ui, const std::string& parameters) {
  ui.message("Error opening the specified file(s) :\r" + parameters + "\r\r" + "There is probably no association for\r" +
                 "this kind of files in your system.",
             platform::MessageKind::Error, platform::MessageButtons::Ok);
}

}  // namespace

const std::string& ExternalPrograms::defaultViewer() const {
  return viewerReplaced_ ? viewer_ : program_.settings.DefaultViewer;
}

bool ExternalPrograms::attempt(const std::string& program, const std::string& parameters, bool combined) {
  if (program.find_first_not_of(" \t") == std::string::npos)
    return starter_.start(WithArguments(platform::kDesktopOpener, parameters), true);
  const std::string name = platform::ProgramName(program);
  if (starter_.start(WithArguments(name, parameters), true)) return true;
  // A program in the working directory, as a file rather than a name to look up.
  if (name.find('/') == std::string::npos && starter_.start(WithArguments("./" + name, parameters), false)) return true;
  if (!combined) return false;
  // The program text may carry arguments of its own ("diff -u", "code --new-window").
  const std::vector<std::string> whole = platform::SplitCommandWords(program + " " + parameters);
  return !whole.empty() && starter_.start(whole, true);
}

bool ExternalPrograms::askAndRetry(std::string& remembered, const std::string& parameters, bool combined) {
  const std::optional<std::string> entered = program_.ui.inputBox(kRunErrorTitle, kRunErrorPrompt, remembered);
  if (!entered) return false;
  remembered = *entered;
  if (attempt(remembered, parameters, combined)) return true;
  OpeningFailed(program_.ui, parameters);
  return false;
}

bool ExternalPrograms::RunExternal(const std::string& program, const std::string& parameters) {
  if (attempt(program, parameters, true)) return true;
  if (!viewerReplaced_) {
    viewer_ = program_.settings.DefaultViewer;
    viewerReplaced_ = true;
  }
  return askAndRetry(viewer_, parameters, true);
}

bool ExternalPrograms::RunLogViewer(const std::string& parameters) {
  if (attempt(platform::kDesktopOpener, parameters, false)) return true;
  return askAndRetry(logViewer_, parameters, false);
}

std::string PointedFilePath(const Comparison& c, const PointedEntry& pointed) {
  if (!pointed.entry) return {};
  const SetDescription& set = pointed.newSide ? c.State.NewSet : c.State.OldSet;
  return platform::joinNative(set.Root, pointed.entry->Path());
}

void OpenFile(ExternalPrograms& runner, const PointedEntry& pointed, bool force) {
  Program& p = runner.program();
  if (p.runInProgress || !pointed.entry || !pointed.openable) return;
  const std::string file = PointedFilePath(p.comparison, pointed);
  std::string program;
  if (const std::optional<std::string> associated = runner.starter().associatedProgram(file)) {
    program = *associated;
    if (force || p.settings.ConfirmAssociation) {
      const auto answer = p.ui.inputBox("Please confirm file open association", "Associated program to run:", program);
      if (!answer) return;
      program = *answer;
    }
  } else {
    program = runner.defaultViewer();
    if (force || p.settings.ConfirmDefaultViewer) {
      const auto answer = p.ui.inputBox("Please confirm default viewer", "Viewer program to run:", program);
      if (!answer) return;
      program = *answer;
    }
  }
  runner.RunExternal(program, platform::QuoteCommandWord(file));
}

void ViewLog(ExternalPrograms& runner, const std::string& logFile) {
  Program& p = runner.program();
  if (logFile.empty() || !platform::fileExists(logFile)) {
    p.ui.message("Log file not found :\r\n\r\n" + logFile, platform::MessageKind::Error, platform::MessageButtons::Ok);
    return;
  }
  runner.RunLogViewer(platform::QuoteCommandWord(logFile));
}

void ViewLogOfStatus(ExternalPrograms& runner, const std::string& logFile) {
  runner.RunExternal(platform::kDesktopOpener, platform::QuoteCommandWord(logFile));
}

}  // namespace quorvane
