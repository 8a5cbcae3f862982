#include "engine/run_problems.h"

#include "engine/line_safe_text.h"

namespace quorvane {

void RunProblems::Add(std::string path, std::string reason) {
  if (kept_.size() < kKept) kept_.push_back({std::move(path), std::move(reason)});
  ++count_;
}

void RunProblems::Clear() {
  kept_.clear();
  count_ = 0;
}

std::vector<std::string> RunProblems::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(kept_.size() + 1);
  // A path may hold a line break or other control characters; each problem stays one line.
  for (const RunProblem& p : kept_)
    lines.push_back(LineSafeText(p.path.empty() ? p.reason : p.path + ": " + p.reason));
  if (count_ > kept_.size()) lines.push_back("... and " + std::to_string(count_ - kept_.size()) + " more");
  return lines;
}

}  // namespace quorvane
