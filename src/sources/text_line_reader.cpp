#include "sources/text_line_reader.h"

#include <cstring>

namespace quorvane {

bool TextLineReader::fill() {
  if (ended_) return false;
  const std::int64_t n = reader_.read(block_.data(), block_.size());
  if (n <= 0) {
    ended_ = true;
    failed_ = n < 0;
    return false;
  }
  position_ = 0;
  filled_ = static_cast<std::size_t>(n);
  return true;
}

bool TextLineReader::AtEnd() { return position_ >= filled_ && !fill(); }

bool TextLineReader::ReadLine(std::string& line, bool stopAtCut) {
  line.clear();
  cut_ = false;
  if (AtEnd()) return false;
  ++lines_;
  // One byte more than the kept maximum: a CR before the LF is no part of the line.
  constexpr std::size_t kHeld = kMaxKeptLine + 1;
  bool overflow = false;
  for (;;) {
    const char* start = block_.data() + position_;
    const std::size_t available = filled_ - position_;
    const void* lf = std::memchr(start, '\n', available);
    const std::size_t take = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : available;
    const std::size_t room = kHeld - std::min(line.size(), kHeld);
    if (take > room) overflow = true;
    line.append(start, std::min(take, room));
    if (overflow && stopAtCut) {
      position_ += room;
      consumed_ += room;
      break;
    }
    const std::size_t used = lf ? take + 1 : take;
    position_ += used;
    consumed_ += used;
    if (lf) break;
    if (!fill()) break;  // the last line of a file without a final line end
  }
  if (!overflow && !line.empty() && line.back() == '\r') line.pop_back();
  if (overflow || line.size() > kMaxKeptLine) {
    cut_ = true;
    line.resize(std::min(line.size(), kMaxKeptLine));
  }
  return true;
}

}  // namespace quorvane
