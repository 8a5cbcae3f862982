#pragma once
// What a completed run could not compare: files it could not open or read, directories it
// could not list, snapshot lines it rejected, masks it refused, include directories found
// nowhere, names left out of a listing. The run still writes its output; the headless
// program then lists these on standard error and ends with exit code 1, so a script never
// takes "identical" for granted when something was not looked at.
#include <cstddef>
#include <string>
#include <vector>

namespace quorvane {

struct RunProblem {
  std::string path;    // the file, directory or set the problem concerns (may be empty)
  std::string reason;  // what went wrong, e.g. the operating system's error text
};

class RunProblems {
 public:
  // Only the first kKept problems are kept whole; the rest are counted.
  static constexpr std::size_t kKept = 20;

  void Add(std::string path, std::string reason);
  void Clear();

  bool Empty() const { return count_ == 0; }
  std::size_t Count() const { return count_; }
  const std::vector<RunProblem>& Kept() const { return kept_; }

  // One line per kept problem ("path: reason", control characters written as "?"), then
  // "... and N more" when some were not kept.
  std::vector<std::string> Lines() const;

 private:
  std::vector<RunProblem> kept_;
  std::size_t count_ = 0;
};

}  // namespace quorvane
