#pragma once
// Line-by-line reading of a text file through a FileReader, one block of the file in
// memory at a time. A line ends at LF; a CR just before the LF is dropped. A line longer
// than the kept maximum (without its line end) is cut there and marked, so a file without
// line ends (a binary file, a sparse file, a corrupted listing) never grows memory beyond
// one block and one cut line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_reader.h"

namespace quorvane {

class TextLineReader {
 public:
  static constexpr std::size_t kBlockSize = 1 << 16;
  static constexpr std::size_t kMaxKeptLine = 1 << 16;

  // The reader must be open; it is read from its current position.
  explicit TextLineReader(platform::FileReader& reader) : reader_(reader), block_(kBlockSize) {}

  // Reads the next line into line (without its end). False at the end of the file, or
  // when a read failed (failed() then says so). A line longer than kMaxKeptLine is cut;
  // the rest of it is passed over, unless stopAtCut asks to return at once (for a first
  // line that must be short: a huge file without line ends is then not read through).
  bool ReadLine(std::string& line, bool stopAtCut = false);

  // The last line read was longer than kMaxKeptLine: only its beginning was kept.
  bool LastLineCut() const { return cut_; }
  // Lines handed out so far (the number of the last line read, from 1).
  std::uint64_t LinesRead() const { return lines_; }
  // Bytes of the file consumed so far, line ends included.
  std::uint64_t BytesConsumed() const { return consumed_; }
  bool Failed() const { return failed_; }
  // True once every byte of the file has been handed out.
  bool AtEnd();

 private:
  bool fill();

  platform::FileReader& reader_;
  std::vector<char> block_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  std::uint64_t consumed_ = 0;
  std::uint64_t lines_ = 0;
  bool ended_ = false;
  bool failed_ = false;
  bool cut_ = false;
};

}  // namespace quorvane
