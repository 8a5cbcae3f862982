#pragma once
// The file system of the machine, through POSIX calls.
//  - A staged copy is a file created with O_EXCL in the destination's directory, named
//    ".quorvane\<random>.tmp": the "\" cannot occur in any listed name, so the staged
//    file never clashes with a file the comparison shows. It is renamed over the
//    destination only by commit().
//  - Nothing is flushed to the disk before the rename: a crash or a kill of the program
//    leaves either the former destination or the whole new file (the kernel holds what
//    was written).
#include "platform/file_system.h"
#include "platform/trash.h"

namespace quorvane::platform {

class LocalFileSystem : public FileSystem {
 public:
  PathFacts facts(const std::string& nativePath) override;
  int makeDirectories(const std::string& nativePath) override;
  int makeWritable(const std::string& nativePath) override;
  std::unique_ptr<SourceFile> openSource(const std::string& nativePath, int* error) override;
  std::unique_ptr<StagedFile> stageReplacement(const std::string& nativeDestination, int* error) override;
  int removeFile(const std::string& nativePath) override;
  std::unique_ptr<LogFile> openLog(const std::string& nativePath, bool truncate, int* error) override;
  int moveToTrash(const std::string& nativePath, std::string* reason) override;
  std::unique_ptr<TrashedName> keepInTrash(const std::string& nativePath, std::string* reason) override;
  bool hasEntries(const std::string& nativePath) override;
  std::unique_ptr<LogFile> openStandardOutput(int* error) override;

  // The trash used (tests give one whose file systems they describe).
  void setTrash(std::shared_ptr<FreedesktopTrash> trash) { trash_ = std::move(trash); }

 private:
  std::shared_ptr<FreedesktopTrash> trash_ = std::make_shared<FreedesktopTrash>();
};

// The directory part of a native path, without its last "/" ("/" for a file at the root).
std::string parentDirectory(const std::string& nativePath);

// Whether a name is the kind the staged copies are given.
bool isStagedFileName(std::string_view name);

}  // namespace quorvane::platform
