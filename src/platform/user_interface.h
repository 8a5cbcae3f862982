#pragma once
// The one contract between the core and a front end: everything the core asks of the
// user, the windows of start-up, the grid's name measure, the printer and the notices the
// commands raise. Implemented by the Qt windows, by the headless program
// (HeadlessUserInterface) and by the tests' recording double. Texts passed in are the
// program's fixed texts; "\r" and "\r\n" are line breaks.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/name_metrics.h"
#include "platform/side.h"
#include "platform/text_device.h"

namespace quorvane {
class SyncDialogModel;
class FileOpDialogModel;
class DirectoryChooserModel;
class DirectoryListsEditor;
struct UserToolFields;
}  // namespace quorvane

namespace quorvane::platform {

enum class MessageKind { Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, YesCancel, AbortRetry, RetryCancel, Cancel };
enum class Answer { Ok, Cancel, Yes, No, Abort, Retry };

// The buttons of the "Choose an action" window: the primary button (its caption given
// per prompt, e.g. "&Retry"), the optional "all" button, "&Skip", "Skip &all", Abort.
enum class FileAction { Primary, All, Skip, SkipAll, Abort };

enum class ProgressButton { Abort, Close };

// How the synchronization and file operations dialogs were closed: Cancel (also the close
// box and Escape), the run button ("Synchronize no&w", "Copy no&w", ...) or "Sim&ulate".
enum class DialogChoice { Cancel, Run, Simulate };

// The captions and paths of the comparison progress window.
struct ProgressHeader {
  std::string newCaption;  // "New directory :", "New archive :", "New snapshot :" or "<Nothing>"
  std::string newPath;
  std::string oldCaption;
  std::string oldPath;
};

// The figures of the comparison progress window, already formatted.
struct ProgressFigures {
  std::string filesRead;   // "Files read :"
  std::string kbytesRead;  // "KBytes read :"
  std::string elapsed;     // "Elapsed :" hh:mm:ss
  std::string kbPerSec;    // "Kb/sec :"
  bool subdirectoriesWarning = false;  // "Warning : Subdirectories found in archive"
};

// The file a message is about and the system's reason, when known. A window shows the
// message text alone, as it always did; the headless program adds one line naming both,
// since a script's author sees nothing else.
struct MessageSubject {
  std::string path;
  std::string reason;  // e.g. "Permission denied"; empty when the system gave none
};

// The end-of-run figures of the status window.
struct StatusSummary {
  std::uint32_t filesCompared = 0;
  std::uint32_t newDuplicates = 0;
  std::uint32_t oldDuplicates = 0;
  std::uint32_t filesInError = 0;
  std::uint32_t shownCounts[8] = {};
  std::uint32_t matching = 0;          // entries displayed
  std::uint64_t memoryUsed = 0;        // the file list's memory counter, bytes
  std::uint64_t elapsedMs = 0;         // duration of the last run
  bool saved = false;                  // the results have been written out
  bool subdirectoriesWarning = false;  // an archive or snapshot held subdirectories, Recurse off
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A modal message box; returns the button pressed.
  virtual Answer message(std::string_view text, MessageKind kind, MessageButtons buttons) = 0;
  // A message about one file; by default the message alone.
  virtual Answer messageAbout(std::string_view text, MessageKind kind, MessageButtons buttons,
                              const MessageSubject& /*subject*/) {
    return message(text, kind, buttons);
  }

  // The "Choose an action" window: message line, full path, primary and optional "all" caption
  // (empty: no "all" button), and the system's reason for the failed step (empty when
  // unknown), shown where the window has room for it.
  virtual FileAction askFileAction(std::string_view text, std::string_view path, std::string_view primaryCaption,
                                   std::string_view allCaption, std::string_view reason) = 0;

  // Comparison progress window (modeless while a run reads).
  virtual void progressOpen(const ProgressHeader& header) = 0;
  virtual void progressStatus(std::string_view status) = 0;
  virtual void progressCurrentPath(Side side, std::string_view path) = 0;
  virtual void progressCurrentFile(std::string_view relativePath) = 0;
  virtual void progressFigures(const ProgressFigures& figures) = 0;
  // percent 0..100 draws a filled bar; a negative value moves the block of an unknown length.
  virtual void progressBar(int percent) = 0;
  virtual void progressButton(ProgressButton button) = 0;
  virtual void progressHide() = 0;
  // Shown again modally so that the user reads the totals and presses Close.
  virtual void progressShowModal() = 0;

  virtual void showStatusWindow(const StatusSummary& summary) = 0;

  // The file type chooser ("Choose file type"): returns the set kind of the entry chosen
  // (1..7 archive kinds, 9 snapshot) or 0 for Cancel; the caller converts the number
  // with SetKindOrNothing.
  virtual std::uint8_t chooseFileType() = 0;

  // Lets the window repaint and the Abort button work; called at most every 250 ms.
  virtual void pumpMessages() = 0;

  // The small busy window (one line of text over a bar) of long passes over the file list.
  // busyShow shows it with the text and an empty bar; percent 0..100 fills the bar.
  virtual void busyShow(std::string_view text) = 0;
  virtual void busyText(std::string_view text) = 0;
  virtual void busyBar(int percent) = 0;
  virtual void busyHide() = 0;

  // The print/save progress window (caption "Saving" or "Printing"): a first status line,
  // a bar 0..100, a second status line and a button that is Abort while writing (it sets
  // the abort flag) and Close afterwards. printProgressOpen shows it without blocking,
  // the bar at 0 and the button an Abort button.
  virtual void printProgressOpen(std::string_view caption, std::string_view status, std::string_view status2) = 0;
  virtual void printProgressBar(int percent) = 0;
  virtual void printProgressStatus2(std::string_view text) = 0;
  // Hides the window and makes its button a Close button; with showModal the window is
  // then shown again modally until the user closes it.
  virtual void printProgressClose(bool showModal) = 0;

  // The directory and open-file dialogs of set selection. Each returns the chosen path,
  // or nothing when the user cancelled; a front end without dialogs cancels. The open-file
  // dialog offers the filters in order (each "Name (*.A *.B)") and accepts only an
  // existing file.
  virtual std::optional<std::string> chooseDirectory(std::string_view /*title*/, std::string_view /*startFolder*/) {
    return std::nullopt;
  }
  virtual std::optional<std::string> chooseOpenFile(std::string_view /*title*/, std::string_view /*startFolder*/,
                                                    const std::vector<std::string>& /*filters*/) {
    return std::nullopt;
  }
  // The save dialog of the reports, snapshots and batch files: offers the filters in order
  // (each "Name (*.A *.B)"), the one matching the default extension (e.g. "DIF") selected,
  // with an empty file name; a name typed without an extension gets the default one (the
  // extension of a chosen "CSV files", "JSON files" or "HTML files" filter instead). Only
  // a file in an existing folder is accepted; whether to overwrite an existing file is
  // asked by the writer, not by the dialog. Returns the path, or nothing for Cancel.
  virtual std::optional<std::string> chooseSaveFile(std::string_view /*title*/, std::string_view /*startFolder*/,
                                                    std::string_view /*defaultExtension*/,
                                                    const std::vector<std::string>& /*filters*/) {
    return std::nullopt;
  }

  // The synchronization dialog ("Synchronize directories") and the file operations dialog
  // ("File operations"), shown modally over their state, which the dialog changes only
  // through the model's operations (presets, clicks, texts). A front end without these
  // dialogs cancels.
  virtual DialogChoice showSyncDialog(SyncDialogModel& /*model*/) { return DialogChoice::Cancel; }
  virtual DialogChoice showFileOpDialog(FileOpDialogModel& /*model*/) { return DialogChoice::Cancel; }
  // The program's directory chooser ("Open Directory") and the include/exclude
  // directories editor, shown modally over their states; Run stands for OK. A front end
  // without them cancels.
  virtual DialogChoice showDirectoryChooser(DirectoryChooserModel& /*model*/) { return DialogChoice::Cancel; }
  virtual DialogChoice showDirectoryListsEditor(DirectoryListsEditor& /*editor*/) { return DialogChoice::Cancel; }

  // An input box: a title, a prompt and an editable text; the text on OK, nothing for
  // Cancel. A front end without dialogs cancels.
  virtual std::optional<std::string> inputBox(std::string_view /*title*/, std::string_view /*prompt*/,
                                              std::string_view /*text*/) {
    return std::nullopt;
  }
  // The user tool dialog ("Choose user tool") over the three fields of the options'
  // "User tool" group, which it may change; true for OK. A front end without it cancels.
  virtual bool showUserToolDialog(UserToolFields& /*fields*/) { return false; }

  // The windows of start-up, in the order DoInits calls them. A front end without
  // windows keeps these defaults.
  virtual void splashStatus(std::string_view /*text*/) {}
  // Colours the screen shows; negative when it cannot tell.
  virtual int screenColours() { return -1; }
  virtual void showMainWindow(bool /*diagnosticMode*/) {}
  virtual void initPrinter() {}
  virtual void setCaption(std::string_view /*caption*/) {}
  virtual void openHelpTopic(std::string_view /*topic*/) {}
  virtual void refreshIndicators() {}
  // The exit save (window position, column widths) and the what's-new prompt concern the
  // main window; without one they are skipped.
  virtual bool mainWindowExists() { return false; }

  // The grid font's measure of file names, asked once per filter pass; none where no grid
  // is drawn, and the pass then measures nothing.
  virtual const NameMetrics* nameMetrics() { return nullptr; }

  // The printer behind the output target "[Printer]"; none when no printer can be opened.
  virtual PrinterPort* printer() { return nullptr; }

  // Notices raised by the program's commands, so that a window redraws and re-enables
  // without polling. resultsChanged: the file list, the display index or its order
  // changed (the grid is to be rebuilt from the display index). commandsChanged: the
  // command state (RunState::Commands, the sort menu, the set labels) changed.
  // runStarted / runEnded bracket a comparison run, during which events are pumped and
  // only Abort may act.
  virtual void resultsChanged() {}
  virtual void commandsChanged() {}
  virtual void runStarted() {}
  virtual void runEnded() {}

  // The one abort flag of the program: set by Abort buttons (possibly from another
  // thread), polled by every long loop.
  bool abortRequested() const { return aborted_.load(std::memory_order_relaxed); }
  void requestAbort() { aborted_.store(true, std::memory_order_relaxed); }
  void clearAbort() { aborted_.store(false, std::memory_order_relaxed); }

 private:
  std::atomic<bool> aborted_{false};
};

}  // namespace quorvane::platform
