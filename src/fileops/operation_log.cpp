#include "fileops/operation_log.h"

#include <cstdio>

#include "platform/local_clock.h"

namespace quorvane::fileops {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string LogDateTime(const std::tm& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d  %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

OperationLog::OperationLog(platform::FileSystem& fs, std::function<std::tm()> now)
    : fs_(fs), now_(now ? std::move(now) : std::function<std::tm()>(platform::currentLocalTime)) {}

bool OperationLog::open(const std::string& nativePath, bool clear, RunKind kind) {
  abandon();
  int error = 0;
  return start(fs_.openLog(nativePath, clear, &error), kind);
}

bool OperationLog::openStandardOutput(RunKind kind) {
  abandon();
  int error = 0;
  return start(fs_.openStandardOutput(&error), kind);
}

bool OperationLog::start(std::unique_ptr<platform::LogFile> file, RunKind kind) {
  file_ = std::move(file);
  if (!file_) return false;
  const bool sync = kind == RunKind::Synchronization;
  std::string header(kLineEnd);
  header += sync ? "Synchronization started " : "File operation started ";
  header += LogDateTime(now_());
  header += kLineEnd;
  header.append(sync ? 44 : 43, '-');
  header += kLineEnd;
  if (write(header)) return true;
  abandon();
  return false;
}

bool OperationLog::begin(std::string_view text) { return write(text); }

bool OperationLog::finish(std::string_view word) {
  std::string text(word);
  text += kLineEnd;
  return write(text);
}

bool OperationLog::close(RunKind kind) {
  if (!file_) return true;
  bool ok = true;
  if (kind == RunKind::Synchronization) {
    std::string closing(44, '-');
    closing += kLineEnd;
    closing += "Synchronization finished ";
    closing += LogDateTime(now_());
    closing += kLineEnd;
    ok = write(closing);
  }
  ok = file_->close() && ok;
  file_.reset();
  return ok;
}

void OperationLog::abandon() {
  if (file_) file_->close();
  file_.reset();
}

bool OperationLog::write(std::string_view text) { return file_ && file_->write(text); }

}  // namespace quorvane::fileops
