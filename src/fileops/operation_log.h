#pragma once
// The operation log: one line per file, CR LF line ends. A line's beginning is written
// and reaches the file before any prompt about that file, its word when the file is
// done. A run of the file operations command starts with "File operation started ...",
// a synchronization with "Synchronization started ..." and ends with its closing lines.
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace quorvane::fileops {

enum class RunKind { FileOperation, Synchronization };

// "yyyy/mm/dd  hh:mm:ss".
std::string LogDateTime(const std::tm& t);

class OperationLog {
 public:
  // now gives the local time of the header and closing lines.
  explicit OperationLog(platform::FileSystem& fs, std::function<std::tm()> now = {});

  // Opens the file (truncated when clear, else appended to; created when missing) and
  // writes the run's header. False when either failed; the log is then closed.
  bool open(const std::string& nativePath, bool clear, RunKind kind);
  // The same on the standard output (the headless synchronization without a log file).
  bool openStandardOutput(RunKind kind);
  bool isOpen() const { return file_ != nullptr; }

  // Writes the beginning of a file's line ("COPY ... >> ... ... "). False on a failure.
  bool begin(std::string_view text);
  // Writes the line's word and its end. False on a failure.
  bool finish(std::string_view word);

  // Ends the run: a synchronization writes its closing lines. Always closes; false when
  // the closing lines or the close failed.
  bool close(RunKind kind);
  // Closes without closing lines (after a failure, logging turned off).
  void abandon();

 private:
  bool start(std::unique_ptr<platform::LogFile> file, RunKind kind);
  bool write(std::string_view text);

  platform::FileSystem& fs_;
  std::function<std::tm()> now_;
  std::unique_ptr<platform::LogFile> file_;
};

}  // namespace quorvane::fileops
