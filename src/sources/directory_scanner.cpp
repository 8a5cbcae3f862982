#include "sources/directory_scanner.h"

#include <deque>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/add_file.h"
#include "platform/directory_listing.h"
#include "platform/path_form.h"
#include "sources/checksum_pipeline.h"
#include "sources/file_checksum.h"
#include "sources/path_rewrite.h"

namespace quorvane {

namespace {

using platform::DirectoryEntry;
using platform::FileIdentity;

class Walker {
 public:
  Walker(Comparison& c, Side side, const std::string& root) : c_(c), side_(side), root_(root) {
    const std::uint8_t special = c.settings.SpecialAttr & (platform::faHidden | platform::faSystem | platform::faVolumeId);
    fileAllowed_ = platform::faReadOnly | platform::faArchive | special;
    directoryAllowed_ = platform::faDirectory | platform::faReadOnly | platform::faArchive;
    if (c.settings.HiddenDirs) directoryAllowed_ |= platform::faHidden | platform::faSystem;
    if (const unsigned workers = ChecksumPipeline::WorkersFor(c))
      pipeline_ = std::make_unique<ChecksumPipeline>(c, workers);
  }

  // Hands the files still being read ahead to AddFile.
  void Finish() {
    if (!pipeline_) return;
    pipeline_->WaitForOldest(pipeline_->Queued());
    while (!pipeline_->Empty()) takeOldest();
  }

  // relative: held form of the directory below the root, ending with "\" unless empty.
  void Walk(const std::string& relative) {
    const std::string native = platform::joinNative(root_, relative);
    FileIdentity id;
    if (platform::directoryIdentity(native, id)) {
      for (const FileIdentity& seen : ancestors_)
        if (seen == id) return;
      ancestors_.push_back(id);
    }
    std::string shown = native;
    if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
    c_.ui.progressCurrentPath(side_, shown);

    std::vector<std::string> subdirectories;
    platform::listDirectory(native, [&](const DirectoryEntry& e) {
      if (e.attributes & platform::faDirectory) {
        if (c_.settings.Recurse && (e.attributes & ~directoryAllowed_) == 0) {
          if (e.name.find('\\') != std::string_view::npos)
            ++c_.State.Stats.FilesSkipped;
          else
            subdirectories.emplace_back(e.name);
        }
      } else if ((e.attributes & ~fileAllowed_) == 0) {
        fileStep(native, relative, e);
      }
      return !c_.Aborted();
    });

    for (const std::string& name : subdirectories) {
      if (c_.Aborted()) break;
      Walk(relative + name + '\\');
    }
    if (!ancestors_.empty() && ancestors_.back() == id) ancestors_.pop_back();
  }

 private:
  void fileStep(const std::string& nativeDirectory, const std::string& relative, const DirectoryEntry& e) {
    RunStats& stats = c_.State.Stats;
    if (e.name.find('\\') != std::string_view::npos) {
      ++stats.FilesSkipped;  // "\" separates components in held paths
      return;
    }
    relativePath_.assign(relative).append(e.name);
    if (!c_.Masks.Passes(relativePath_)) return;

    if (pipeline_) {
      // Read ahead on the workers; files reach AddFile in this same order.
      const std::uint64_t size = e.regular ? e.size : 0;
      listed_.push_back({e.time, e.attributes, size});
      pipeline_->Submit(nativeDirectory + std::string(e.name), relativePath_, size, e.regular);
      if (pipeline_->Full()) pipeline_->MakeRoom();
      while (!pipeline_->Empty() && pipeline_->OldestReady()) takeOldest();
      return;
    }
    ChecksumRequest request;
    request.nativePath.assign(nativeDirectory).append(e.name);
    request.relativePath = relativePath_;
    request.size = e.regular ? e.size : 0;
    request.regular = e.regular;
    addFile(relativePath_, {e.time, e.attributes, request.size}, ChecksumFile(c_, request));
  }

  // The facts of a file that passed the masks, as listed.
  struct ListedFile {
    std::uint32_t time = 0;
    std::uint8_t attributes = 0;
    std::uint64_t size = 0;
  };

  void takeOldest() {
    const ListedFile f = listed_.front();
    listed_.pop_front();
    const ChecksumPipeline::Taken taken = pipeline_->TakeOldest();
    addFile(taken.relativePath, f, taken.checksum);
  }

  void addFile(const std::string& relativePath, const ListedFile& f, const std::optional<std::uint32_t>& crc) {
    if (!crc || c_.Aborted()) {
      ++c_.State.Stats.FilesSkipped;
      return;
    }
    ScanRecord& s = c_.Scan;
    s.Path = RewritePath(relativePath, c_.settings);
    if (side_ == Side::New) {
      s.NewCRC = *crc;
      s.NewTime = f.time;
      s.NewSize = f.size;
      s.NewAttr = f.attributes & 0x3F;
      s.NewAlias = -1;
    } else {
      s.OldCRC = *crc;
      s.OldTime = f.time;
      s.OldSize = f.size;
      s.OldAttr = f.attributes & 0x3F;
      s.OldAlias = -1;
    }
    AddFile(c_, side_);
  }

  Comparison& c_;
  Side side_;
  std::string root_;
  std::uint8_t fileAllowed_ = 0;
  std::uint8_t directoryAllowed_ = 0;
  std::vector<FileIdentity> ancestors_;
  std::string relativePath_;
  std::unique_ptr<ChecksumPipeline> pipeline_;  // null: each file is read on the spot
  std::deque<ListedFile> listed_;               // the files the pipeline holds, oldest first
};

}  // namespace

void ScanDirectoryTree(Comparison& c, Side side, const std::string& root, const std::string& relativeStart) {
  Walker walker(c, side, root);
  walker.Walk(relativeStart.empty() || relativeStart.back() == '\\' ? relativeStart : relativeStart + '\\');
  walker.Finish();
}

}  // namespace quorvane
