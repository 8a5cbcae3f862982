#include "sources/scan_stream.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

// Record tags below 0x80; a byte of 0x80 or more opens a file record, whose other bits
// hold the file's attributes (never the directory bit, 0x10, nor 0x40) and say how its
// time is written: bit 4 the previous file's time, bit 6 the difference from it in a
// varint, neither the time in 4 bytes. A file whose bytes read differ from its size has
// them in a record of their own just before it.
enum Tag : std::uint8_t { kDirectory = 1, kContext, kProblem, kFileSkipped, kUnread, kFailure, kBytesRead };
constexpr std::uint8_t kFileRecord = 0x80;
constexpr std::uint8_t kTimeDifference = 0x40;
constexpr std::uint8_t kSameTime = 0x10;
constexpr std::uint8_t kAttributeBits = 0x2F;
constexpr std::int64_t kSmallDifference = 1 << 20;  // a difference below it fits 3 varint bytes
constexpr std::uint8_t kNibbleEscape = 15;
constexpr std::size_t kVarintMost = 10;

std::uint8_t* putVarint(std::uint8_t* at, std::uint64_t value) {
  while (value >= 0x80) {
    *at++ = static_cast<std::uint8_t>(value | 0x80);
    value >>= 7;
  }
  *at++ = static_cast<std::uint8_t>(value);
  return at;
}

std::uint64_t getVarint(const std::uint8_t*& at) {
  std::uint64_t value = 0;
  for (int shift = 0;; shift += 7) {
    const std::uint8_t b = *at++;
    value |= static_cast<std::uint64_t>(b & 0x7F) << shift;
    if (b < 0x80) return value;
  }
}

std::uint8_t* putText(std::uint8_t* at, std::string_view text) {
  at = putVarint(at, text.size());
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

std::string_view getText(const std::uint8_t*& at) {
  const auto size = static_cast<std::size_t>(getVarint(at));
  const std::string_view text(reinterpret_cast<const char*>(at), size);
  at += size;
  return text;
}

// A text as the length it shares with the previous text of its kind, then the rest:
// directories come depth first, so each shares most of its path with the one before.
std::uint8_t* putShared(std::uint8_t* at, std::string_view text, std::string& previous) {
  const std::size_t most = std::min(text.size(), previous.size());
  std::size_t shared = 0;
  while (shared < most && text[shared] == previous[shared]) ++shared;
  at = putVarint(at, shared);
  at = putText(at, text.substr(shared));
  previous.assign(text);
  return at;
}

void getShared(const std::uint8_t*& at, std::string& previous) {
  const auto shared = static_cast<std::size_t>(getVarint(at));
  previous.resize(shared);
  previous.append(getText(at));
}

std::uint64_t zigzag(std::int64_t v) { return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63); }
std::int64_t unzigzag(std::uint64_t v) { return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1); }

// A file's name as the length it shares with the name before and the rest, both lengths
// in one byte when below 15: names in one tree tend to begin alike.
std::uint8_t* putName(std::uint8_t* at, std::string_view name, std::string& previous) {
  const std::size_t most = std::min(name.size(), previous.size());
  std::size_t shared = 0;
  while (shared < most && name[shared] == previous[shared]) ++shared;
  const std::size_t rest = name.size() - shared;
  *at++ = static_cast<std::uint8_t>((std::min<std::size_t>(shared, kNibbleEscape) << 4) |
                                    std::min<std::size_t>(rest, kNibbleEscape));
  if (shared >= kNibbleEscape) at = putVarint(at, shared);
  if (rest >= kNibbleEscape) at = putVarint(at, rest);
  std::memcpy(at, name.data() + shared, rest);
  previous.assign(name);
  return at + rest;
}

void getName(const std::uint8_t*& at, std::string& previous) {
  const std::uint8_t lengths = *at++;
  std::size_t shared = lengths >> 4, rest = lengths & 0x0F;
  if (shared == kNibbleEscape) shared = static_cast<std::size_t>(getVarint(at));
  if (rest == kNibbleEscape) rest = static_cast<std::size_t>(getVarint(at));
  previous.resize(shared);
  previous.append(reinterpret_cast<const char*>(at), rest);
  at += rest;
}

std::uint8_t* putFixed32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) *at++ = static_cast<std::uint8_t>(value >> (8 * i));
  return at;
}

std::uint32_t getFixed32(const std::uint8_t*& at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(*at++) << (8 * i);
  return value;
}

}  // namespace

std::uint8_t* ScanStream::room(std::size_t most) {
  if (writing_.size + most > writing_.capacity) {
    if (writing_.size > 0) {
      std::lock_guard lock(mutex_);
      publishLocked();
    }
    if (most <= kChunkSize) {
      std::lock_guard lock(mutex_);
      if (spare_.bytes) writing_ = std::move(spare_);
      spare_ = {};
    }
    if (!writing_.bytes || writing_.capacity < most) {
      writing_.capacity = std::max(kChunkSize, most);
      writing_.bytes = std::make_unique<std::uint8_t[]>(writing_.capacity);
    }
    writing_.size = 0;
  }
  return writing_.bytes.get() + writing_.size;
}

void ScanStream::wrote(std::uint8_t* end) {
  const auto size = static_cast<std::size_t>(end - (writing_.bytes.get() + writing_.size));
  writing_.size += size;
  written_ += size;
  bytesWritten_.store(written_, std::memory_order_relaxed);
}

void ScanStream::publishLocked() {
  if (writing_.size == 0) return;
  ready_.push_back(std::move(writing_));
  writing_ = {};
  readable_.notify_one();
}

void ScanStream::Directory(std::string_view nativePath) {
  std::uint8_t* at = room(1 + 2 * kVarintMost + nativePath.size());
  *at++ = kDirectory;
  wrote(putShared(at, nativePath, directory_));
  // A reader that has caught up sees each directory as it comes, not a chunk later.
  if (readerWaiting_.load(std::memory_order_relaxed)) {
    std::lock_guard lock(mutex_);
    publishLocked();
  }
}

void ScanStream::Problem(std::string_view path, std::string_view reason) {
  std::uint8_t* at = room(1 + 2 * kVarintMost + path.size() + reason.size());
  *at++ = kProblem;
  at = putText(at, path);
  wrote(putText(at, reason));
}

void ScanStream::FileSkipped() {
  std::uint8_t* at = room(1);
  *at++ = kFileSkipped;
  wrote(at);
}

void ScanStream::context(std::string_view directory) {
  if (contextSet_ && directory == context_) return;
  std::uint8_t* at = room(1 + 2 * kVarintMost + directory.size());
  *at++ = kContext;
  wrote(putShared(at, directory, context_));
  contextSet_ = true;
}

void ScanStream::File(std::string_view relativePath, const ListedFile& facts, std::uint32_t checksum,
                      std::uint64_t bytesRead) {
  // Held names never hold "\", so the last one ends the directory part.
  const std::size_t slash = relativePath.rfind('\\');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  context(relativePath.substr(0, nameStart));
  const std::string_view name = relativePath.substr(nameStart);
  if (bytesRead != facts.size) {
    std::uint8_t* at = room(1 + kVarintMost);
    *at++ = kBytesRead;
    wrote(putVarint(at, bytesRead));
  }
  const std::int64_t difference = static_cast<std::int64_t>(facts.time) - static_cast<std::int64_t>(lastTime_);
  const std::uint8_t timeForm = files_ == 0                                                ? 0
                                : difference == 0                                          ? kSameTime
                                : difference > -kSmallDifference && difference < kSmallDifference ? kTimeDifference
                                                                                           : 0;
  lastTime_ = facts.time;
  std::uint8_t* at = room(1 + 3 * kVarintMost + 4 + name.size());
  *at++ = static_cast<std::uint8_t>(kFileRecord | timeForm | (facts.attributes & kAttributeBits));
  at = putName(at, name, name_);
  if (timeForm == kTimeDifference)
    at = putVarint(at, zigzag(difference));
  else if (timeForm == 0)
    at = putFixed32(at, facts.time);
  at = putVarint(at, facts.size);
  if (withChecksums_) at = putFixed32(at, checksum);
  wrote(at);
  filesWritten_.store(++files_, std::memory_order_relaxed);
}

bool ScanStream::Unread(const WalkedFile& f) {
  {
    std::unique_lock lock(mutex_);
    const bool first = unread_.empty() || unread_.back().directory != f.directory;
    if (first) {
      if (heldDirectories_ >= kMaxHeldDirectories) {
        publishLocked();  // the reader must see these files to release their directories
        roomy_.wait(lock, [&] { return cancelled_ || heldDirectories_ < kMaxHeldDirectories; });
      }
      if (cancelled_) return false;
      ++heldDirectories_;
    }
    unread_.push_back({f.directory, std::string(f.nativePath), std::string(f.relativePath), f.facts, f.regular, first});
  }
  std::uint8_t* at = room(1);
  *at++ = kUnread;
  wrote(at);
  // Its prompt may be what the reader waits for.
  if (readerWaiting_.load(std::memory_order_relaxed)) {
    std::lock_guard lock(mutex_);
    publishLocked();
  }
  return true;
}

void ScanStream::Failure(std::exception_ptr failure) {
  {
    std::lock_guard lock(mutex_);
    failure_ = std::move(failure);
  }
  std::uint8_t* at = room(1);
  *at++ = kFailure;
  wrote(at);
}

void ScanStream::Finish() {
  std::lock_guard lock(mutex_);
  publishLocked();
  finished_ = true;
  readable_.notify_one();
}

void ScanStream::Cancel() {
  std::lock_guard lock(mutex_);
  cancelled_ = true;
  roomy_.notify_all();
}

bool ScanStream::Next(Event& e) {
  while (readAt_ == reading_.size) {
    std::unique_lock lock(mutex_);
    if (reading_.bytes && reading_.capacity == kChunkSize && !spare_.bytes) spare_ = std::move(reading_);
    reading_ = {};
    readAt_ = 0;
    if (ready_.empty() && !finished_) {
      readerWaiting_ = true;
      readable_.wait(lock, [&] { return !ready_.empty() || finished_; });
      readerWaiting_ = false;
    }
    if (ready_.empty()) return false;
    reading_ = std::move(ready_.front());
    ready_.pop_front();
    peakHeld_ = std::max(peakHeld_, BytesWritten() - bytesRead_);
    bytesRead_ += reading_.size;
  }
  const std::uint8_t* at = reading_.bytes.get() + readAt_;
  const std::uint8_t* const end = reading_.bytes.get() + reading_.size;
  for (;;) {
    if (at == end) {  // the chunk closed with a record that only prepares the next one
      readAt_ = reading_.size;
      return Next(e);
    }
    const std::uint8_t tag = *at++;
    if (tag >= kFileRecord) {
      e.kind = Kind::File;
      getName(at, readName_);
      readPath_.assign(readContext_).append(readName_);
      e.text = readPath_;
      e.facts.attributes = tag & kAttributeBits;
      if (tag & kTimeDifference)
        readTime_ = static_cast<std::uint32_t>(static_cast<std::int64_t>(readTime_) + unzigzag(getVarint(at)));
      else if (!(tag & kSameTime))
        readTime_ = getFixed32(at);
      e.facts.time = readTime_;
      e.facts.size = getVarint(at);
      e.bytesRead = otherBytes_ ? readBytes_ : e.facts.size;
      otherBytes_ = false;
      e.checksum = withChecksums_ ? getFixed32(at) : 0;
      break;
    }
    if (tag == kBytesRead) {  // for the file that follows
      readBytes_ = getVarint(at);
      otherBytes_ = true;
      continue;
    }
    if (tag == kContext) {
      getShared(at, readContext_);
      continue;
    }
    if (tag == kDirectory) {
      e.kind = Kind::Directory;
      getShared(at, readDirectory_);
      e.text = readDirectory_;
    } else if (tag == kProblem) {
      e.kind = Kind::Problem;
      e.text = getText(at);
      e.reason = getText(at);
    } else if (tag == kFileSkipped) {
      e.kind = Kind::FileSkipped;
    } else if (tag == kUnread) {
      e.kind = Kind::Unread;
      std::lock_guard lock(mutex_);
      e.unread = std::move(unread_.front());
      unread_.pop_front();
      if (unread_.empty() || unread_.front().firstOfDirectory) {
        --heldDirectories_;
        roomy_.notify_one();
      }
    } else {  // kFailure: nothing follows
      readAt_ = reading_.size = 0;
      std::exception_ptr failure;
      {
        std::lock_guard lock(mutex_);
        failure = failure_;
      }
      std::rethrow_exception(failure);
    }
    break;
  }
  readAt_ = static_cast<std::size_t>(at - reading_.bytes.get());
  return true;
}

}  // namespace quorvane
