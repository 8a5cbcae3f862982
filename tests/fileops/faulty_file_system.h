#pragma once
// The real file system with faults on cue, for the engine's tests (we run as root, so
// permissions alone cannot make a step fail). Each fault fails the step `times` times
// (-1: always) with its errno; reads and writes fail only once the file's position
// reaches `atByte`. Every call is counted.
#include <cerrno>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "platform/local_file_system.h"

namespace quorvane::test {

struct Fault {
  int times = 0;  // failures left; -1: every time
  int error = EIO;
  std::uint64_t atByte = 0;  // reads and writes: fail from this position on
  bool hit() {
    if (times == 0) return false;
    if (times > 0) --times;
    return true;
  }
};

class FaultyFileSystem : public platform::LocalFileSystem {
 public:
  Fault openFault, readFault, stageFault, writeFault, commitFault, mkdirFault, removeFault, logOpenFault, logWriteFault;
  // Log writes that succeed before logWriteFault applies.
  int logWritesBeforeFault = 0;
  // Runs before every openSource (a test changes the tree between listing and copy).
  std::function<void(const std::string&)> beforeOpenSource;
  // Runs before every read of a source, given the position read from.
  std::function<void(std::uint64_t)> beforeRead;

  int sourceOpens = 0;
  int reads = 0;
  int stages = 0;
  int commits = 0;
  int removes = 0;
  int logWrites = 0;

  std::unique_ptr<platform::SourceFile> openSource(const std::string& path, int* error) override {
    ++sourceOpens;
    if (beforeOpenSource) beforeOpenSource(path);
    if (openFault.hit()) {
      *error = openFault.error;
      return nullptr;
    }
    auto inner = LocalFileSystem::openSource(path, error);
    if (!inner) return nullptr;
    return std::make_unique<Source>(*this, std::move(inner));
  }

  std::unique_ptr<platform::StagedFile> stageReplacement(const std::string& destination, int* error) override {
    ++stages;
    if (stageFault.hit()) {
      *error = stageFault.error;
      return nullptr;
    }
    auto inner = LocalFileSystem::stageReplacement(destination, error);
    if (!inner) return nullptr;
    return std::make_unique<Staged>(*this, std::move(inner));
  }

  int makeDirectories(const std::string& path) override {
    return mkdirFault.hit() ? mkdirFault.error : LocalFileSystem::makeDirectories(path);
  }

  int removeFile(const std::string& path) override {
    ++removes;
    return removeFault.hit() ? removeFault.error : LocalFileSystem::removeFile(path);
  }

  std::unique_ptr<platform::LogFile> openLog(const std::string& path, bool truncate, int* error) override {
    if (logOpenFault.hit()) {
      *error = logOpenFault.error;
      return nullptr;
    }
    auto inner = LocalFileSystem::openLog(path, truncate, error);
    if (!inner) return nullptr;
    return std::make_unique<Log>(*this, std::move(inner));
  }

 private:
  class Source : public platform::SourceFile {
   public:
    Source(FaultyFileSystem& fs, std::unique_ptr<platform::SourceFile> inner) : fs_(fs), inner_(std::move(inner)) {}
    std::int64_t read(void* buffer, std::size_t size, int* error) override {
      ++fs_.reads;
      if (fs_.beforeRead) fs_.beforeRead(position_);
      if (position_ + size > fs_.readFault.atByte && fs_.readFault.hit()) {
        *error = fs_.readFault.error;
        return -1;
      }
      const std::int64_t n = inner_->read(buffer, size, error);
      if (n > 0) position_ += static_cast<std::uint64_t>(n);
      return n;
    }
    bool seek(std::uint64_t position) override {
      position_ = position;
      return inner_->seek(position);
    }
    platform::FileTime modified() const override { return inner_->modified(); }
    std::uint32_t mode() const override { return inner_->mode(); }

   private:
    FaultyFileSystem& fs_;
    std::unique_ptr<platform::SourceFile> inner_;
    std::uint64_t position_ = 0;
  };

  class Staged : public platform::StagedFile {
   public:
    Staged(FaultyFileSystem& fs, std::unique_ptr<platform::StagedFile> inner) : fs_(fs), inner_(std::move(inner)) {}
    bool write(const void* data, std::size_t size, int* error) override {
      if (written_ + size > fs_.writeFault.atByte && fs_.writeFault.hit()) {
        *error = fs_.writeFault.error;
        return false;
      }
      if (!inner_->write(data, size, error)) return false;
      written_ += size;
      return true;
    }
    bool commit(const platform::FileTime& modified, std::uint32_t mode, int* error) override {
      ++fs_.commits;
      if (fs_.commitFault.hit()) {
        *error = fs_.commitFault.error;
        return false;
      }
      return inner_->commit(modified, mode, error);
    }
    void discard() override { inner_->discard(); }
    const std::string& temporaryPath() const override { return inner_->temporaryPath(); }

   private:
    FaultyFileSystem& fs_;
    std::unique_ptr<platform::StagedFile> inner_;
    std::uint64_t written_ = 0;
  };

  class Log : public platform::LogFile {
   public:
    Log(FaultyFileSystem& fs, std::unique_ptr<platform::LogFile> inner) : fs_(fs), inner_(std::move(inner)) {}
    bool write(std::string_view bytes) override {
      ++fs_.logWrites;
      if (fs_.logWrites > fs_.logWritesBeforeFault && fs_.logWriteFault.hit()) return false;
      return inner_->write(bytes);
    }
    bool close() override { return inner_->close(); }

   private:
    FaultyFileSystem& fs_;
    std::unique_ptr<platform::LogFile> inner_;
  };
};

}  // namespace quorvane::test
