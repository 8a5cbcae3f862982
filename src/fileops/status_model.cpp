#include "fileops/status_model.h"

#include <algorithm>
#include <cstdio>

#include "platform/user_interface.h"

namespace quorvane::fileops {

namespace {

constexpr std::string_view kInterruptPrompt = " Interrupted : Click Ok to abort the current operation";

// value * 100 / whole, rounded to the nearest integer; 0 when whole is 0.
int roundedPercent(std::uint64_t value, std::uint64_t whole) {
  if (whole == 0) return 0;
  return static_cast<int>((value * 200 + whole) / (2 * whole));
}

}  // namespace

void FileOpStatusModel::notify(unsigned changes) {
  if (face_) face_->statusChanged(changes);
}

int FileOpStatusModel::percentOf(int done) const {
  if (total_ <= 0 || done <= 0) return 0;
  return roundedPercent(static_cast<std::uint64_t>(done), static_cast<std::uint64_t>(total_));
}

void FileOpStatusModel::ResetStatus(bool simulation, int firstRow, int lastRow) {
  counters_ = {};
  shownCounters_ = {};
  completion_ = "n/a";
  simulation_ = simulation;
  caption_ = std::string(kStatusCaption);
  if (simulation) caption_ += " - SIMULATION MODE";
  results_.clear();
  reasons_.clear();
  targets_.assign(1, std::string());
  abortCaption_ = "Abort";
  abortEnabled_ = true;
  first_ = firstRow;
  last_ = lastRow;
  total_ = lastRow - firstRow + 1 > 0 ? lastRow - firstRow + 1 : 0;
  row_ = firstRow;
  size_ = 0;
  done_ = 0;
  percent_ = 0;
  fileBar_ = 0;
  totalBar_ = 0;
  notify(scTexts | scFileBar | scTotal | scCounters | scResults | scFrame);
}

void FileOpStatusModel::StartFile(std::string_view status, std::string_view source, std::uint64_t size, int row,
                                  std::string_view dest) {
  fileBar_ = 0;
  status_ = status;
  source_ = source;
  dest_ = dest;
  row_ = row;
  size_ = size;
  done_ = row - first_ + 1;
  percent_ = percentOf(done_);
  notify(scTexts | scFileBar);
}

void FileOpStatusModel::SetFileProgress(std::uint64_t position) {
  fileBar_ = roundedPercent(position, size_);
  notify(scFileBar);
}

void FileOpStatusModel::ShowProgress(std::string_view name, int row) {
  status_ = "Processing ";
  status_ += name;
  done_ = row - first_ + 1;
  percent_ = percentOf(done_);
  notify(scTexts);
  RefreshTotal();
}

void FileOpStatusModel::RefreshTotal() {
  totalBar_ = percent_;
  char text[64];
  std::snprintf(text, sizeof text, "%d of %d (%d %%)", done_, total_, percent_);
  completion_ = text;
  notify(scTotal);
  UpdateCounters();
}

void FileOpStatusModel::UpdateCounters() {
  shownCounters_ = counters_;
  notify(scCounters);
}

void FileOpStatusModel::AddResult(std::uint8_t displayCode, OutcomeCode outcome, const FileEntry& entry,
                                  std::string_view target, std::string_view reason) {
  std::uint32_t index = 0;
  if (!target.empty()) {
    // Runs give one target to all their copies: the last one is found at once.
    if (targets_.back() != target) targets_.emplace_back(target);
    index = static_cast<std::uint32_t>(targets_.size() - 1);
  }
  if (!reason.empty()) reasons_.emplace_back(results_.size(), std::string(reason));
  results_.push_back(TStatusItem{displayCode, outcome, index, &entry});
  notify(scResults);
}

void FileOpStatusModel::ShowComplete() {
  status_ = "Complete.";
  source_.clear();
  dest_.clear();
  abortCaption_ = "Close";
  abortEnabled_ = true;
  notify(scTexts | scFrame);
}

void FileOpStatusModel::ShowModeless() {
  visible_ = true;
  if (face_) face_->showModeless();
}

void FileOpStatusModel::ShowModal() {
  visible_ = true;
  if (face_) face_->showModal();
  visible_ = false;
}

void FileOpStatusModel::Hide() {
  visible_ = false;
  if (face_) face_->hideWindow();
}

void FileOpStatusModel::setTrashInUse(bool on) {
  trashInUse_ = on;
  notify(scCounters);
}

std::string_view FileOpStatusModel::resultReason(std::size_t row) const {
  const auto found = std::lower_bound(reasons_.begin(), reasons_.end(), row,
                                      [](const auto& item, std::size_t r) { return item.first < r; });
  return found != reasons_.end() && found->first == row ? std::string_view(found->second) : std::string_view();
}

void FileOpStatusModel::setSlowSimulation(bool on) {
  slowSimulation_ = on;
  notify(scFrame);
}

bool FileOpStatusModel::bnAbortClick(platform::UserInterface& ui) {
  if (abortCaption_ != "Abort") return true;
  if (ui.abortRequested()) return false;
  if (ui.message(kInterruptPrompt, platform::MessageKind::Confirmation, platform::MessageButtons::OkCancel) ==
      platform::Answer::Ok) {
    ui.requestAbort();
    abortEnabled_ = false;
    notify(scFrame);
  }
  return false;
}

const char* FileOpStatusModel::resultCaption(std::size_t row) const {
  return OutcomeCaption(results_[row].Outcome, simulation_);
}

std::string FileOpStatusModel::resultPath(std::size_t row) const {
  const FileEntry* entry = results_[row].Entry;
  return entry ? entry->Path() : std::string();
}

}  // namespace quorvane::fileops
