#include "sources/directory_scanner.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <deque>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/descriptor_limit.h"
#include "platform/directory_handle.h"
#include "platform/os_error_text.h"
#include "platform/path_form.h"
#include "sources/checksum_pipeline.h"

namespace quorvane {

namespace {

using platform::DirectoryEntry;
using platform::DirectoryHandle;
using platform::FileIdentity;

std::atomic<int> budgetOverride{-1};

// Descriptors kept free for everything but the directories being walked: the files and
// directories the read-ahead holds, its workers' open files, and the rest of the program.
constexpr std::size_t kReservedDescriptors = 640;

struct IdentityHash {
  std::size_t operator()(const FileIdentity& id) const { return std::hash<std::uint64_t>()(id.inode * 31 + id.device); }
};

std::string withoutSlash(const std::string& nativePath) {
  return nativePath.size() > 1 && nativePath.back() == '/' ? nativePath.substr(0, nativePath.size() - 1) : nativePath;
}

class Walker {
 public:
  Walker(ScanTarget& target, const WalkSetup& setup, platform::NativePath root)
      : t_(target), setup_(setup), root_(std::move(root)) {
    const std::uint8_t special = setup.SpecialAttr & (platform::faHidden | platform::faSystem | platform::faVolumeId);
    fileAllowed_ = platform::faReadOnly | platform::faArchive | special;
    directoryAllowed_ = platform::faDirectory | platform::faReadOnly | platform::faArchive;
    if (setup.HiddenDirs) directoryAllowed_ |= platform::faHidden | platform::faSystem;
    if (const unsigned workers = ChecksumPipeline::WorkersFor(setup.Quick))
      pipeline_ = std::make_unique<ChecksumPipeline>(target, setup.Kind, setup.Snapshot, *setup.Readers, workers);
    const int forced = budgetOverride.load();
    if (forced > 0) {
      budget_ = static_cast<std::size_t>(forced);
      budgetFixed_ = true;
    }
  }

  // Hands the files still being read ahead to AddFile.
  void Finish() {
    if (!pipeline_) return;
    pipeline_->WaitForOldest(pipeline_->Queued());
    while (!pipeline_->Empty()) takeOldest();
  }

  // relative: held form of the start directory below the root, ending with "\" unless empty.
  // Walks depth first without recursion, so the depth of a tree is bounded by nothing but
  // memory; each directory is opened relative to its parent.
  void Walk(const platform::HeldPath& relative) {
    startPath_ = platform::joinNative(root_, relative);
    int error = 0;
    std::unique_ptr<DirectoryHandle> start = DirectoryHandle::Open(startPath_.str(), error);
    if (!start) {
      // An included directory missing from this set is not this reader's to report.
      if (!(error == ENOENT && !relative.view().empty()))
        t_.Problem(withoutSlash(startPath_.str()), "could not be listed: " + platform::osErrorText(error));
      return;
    }
    enter(std::move(start), relative.str(), "");

    while (!frames_.empty() && !t_.Aborted()) {
      Frame& top = frames_.back();
      if (top.next == top.subdirectories.size()) {
        leave();
        continue;
      }
      const std::string& name = top.subdirectories[top.next++];
      if (!top.handle && !reopen(frames_.size() - 1)) {
        top.next = top.subdirectories.size();
        continue;
      }
      std::unique_ptr<DirectoryHandle> child = top.handle->OpenChild(name, error);
      if (!child) {
        if (error != ENOENT)  // gone since it was listed: nothing left to compare
          t_.Problem(top.handle->NativePath() + name, "could not be listed: " + platform::osErrorText(error));
        continue;
      }
      if (ancestors_.count(child->Identity())) continue;  // a symlink back up the tree
      enter(std::move(child), top.relative + name + '\\', name);
    }
    while (!frames_.empty()) leave();
  }

 private:
  // A directory on the current descent.
  struct Frame {
    std::shared_ptr<const DirectoryHandle> handle;  // null while closed to spare descriptors
    FileIdentity identity;
    std::string name;                               // in its parent; "" for the start directory
    std::string relative;                           // held form, ending with "\" unless empty
    std::vector<std::string> subdirectories;        // to walk, in the order listed
    std::size_t next = 0;
  };

  void enter(std::unique_ptr<DirectoryHandle> handle, std::string relative, std::string name) {
    makeRoomForDirectory();
    Frame frame;
    frame.identity = handle->Identity();
    frame.handle = std::move(handle);
    frame.name = std::move(name);
    frame.relative = std::move(relative);
    ancestors_.insert(frame.identity);
    ++openFrames_;
    frames_.push_back(std::move(frame));
    list(frames_.back());
  }

  void leave() {
    if (frames_.back().handle) --openFrames_;
    ancestors_.erase(frames_.back().identity);
    frames_.pop_back();
    if (firstOpenFrame_ > frames_.size()) firstOpenFrame_ = frames_.size();
  }

  // Keeps the directories held open within the descriptor budget: raises the limit when
  // the depth needs it, and when it cannot, closes the directories nearest the start
  // (reopened by their names when the walk comes back to them).
  void makeRoomForDirectory() {
    if (openFrames_ < budget_) return;
    if (!budgetFixed_) {
      const std::size_t limit = platform::raiseDescriptorLimit(2 * (openFrames_ + 1) + kReservedDescriptors);
      budget_ = limit > 2 * kReservedDescriptors ? limit - kReservedDescriptors : kReservedDescriptors;
      budget_ = std::max<std::size_t>(1, budget_ / setup_.WalksAtOnce);
      if (openFrames_ < budget_) return;
    }
    while (openFrames_ >= budget_ && firstOpenFrame_ < frames_.size()) {
      Frame& f = frames_[firstOpenFrame_++];
      if (f.handle) {
        f.handle.reset();
        --openFrames_;
      }
    }
  }

  // Opens frame i again, by the names of the frames from the start directory down to it;
  // false, after naming the problem, when it is no longer the directory walked before.
  bool reopen(std::size_t i) {
    int error = 0;
    std::unique_ptr<DirectoryHandle> handle = DirectoryHandle::Open(startPath_.str(), error);
    for (std::size_t k = 1; handle && k <= i; ++k) handle = handle->OpenChild(frames_[k].name, error);
    // A frame's relative path runs from the set root, the start directory included.
    const std::string shown = platform::joinNative(root_, platform::HeldPath(frames_[i].relative)).str();
    if (!handle) {
      t_.Problem(withoutSlash(shown), "could not be opened again: " + platform::osErrorText(error));
      return false;
    }
    if (!(handle->Identity() == frames_[i].identity)) {
      t_.Problem(withoutSlash(shown), "was replaced while being read");
      return false;
    }
    makeRoomForDirectory();
    frames_[i].handle = std::move(handle);
    ++openFrames_;
    firstOpenFrame_ = std::min(firstOpenFrame_, i);
    return true;
  }

  void list(Frame& frame) {
    const std::shared_ptr<const DirectoryHandle> handle = frame.handle;
    t_.DirectoryListed(withoutSlash(handle->NativePath()));
    const int error = platform::listDirectory(*handle, [&](const DirectoryEntry& e) {
      if (e.statError != 0) {
        entryWithoutFacts(*handle, e);
      } else if (e.attributes & platform::faDirectory) {
        if (setup_.Recurse && (e.attributes & ~directoryAllowed_) == 0) {
          if (e.name.find('\\') != std::string_view::npos)
            heldNameImpossible(*handle, e.name, "directory");
          else
            frame.subdirectories.emplace_back(e.name);
        }
      } else if ((e.attributes & ~fileAllowed_) == 0) {
        fileStep(handle, frame.relative, e);
      }
      return !t_.Aborted();
    });
    if (error != 0)
      t_.Problem(withoutSlash(handle->NativePath()), "could not be listed: " + platform::osErrorText(error));
  }

  // An entry whose facts could not be read: it cannot be compared, unless it is gone.
  void entryWithoutFacts(const DirectoryHandle& directory, const DirectoryEntry& e) {
    if (e.statError == ENOENT) return;
    // A hidden name would have been passed over whatever it is.
    if ((e.attributes & platform::faHidden) && !(fileAllowed_ & platform::faHidden) && !setup_.HiddenDirs) return;
    t_.Problem(directory.NativePath() + std::string(e.name),
                    "attributes could not be read: " + platform::osErrorText(e.statError));
  }

  // "\" separates components in held paths, so such a name cannot be held.
  void heldNameImpossible(const DirectoryHandle& directory, std::string_view name, const char* kind) {
    t_.FileSkipped();
    t_.Problem(directory.NativePath() + std::string(name),
                    std::string("skipped, a ") + kind + " name holding \"\\\" cannot be compared");
  }

  void fileStep(const std::shared_ptr<const DirectoryHandle>& directory, const std::string& relative,
                const DirectoryEntry& e) {
    if (e.name.find('\\') != std::string_view::npos) {
      heldNameImpossible(*directory, e.name, "file");
      return;
    }
    relativePath_.assign(relative).append(e.name);
    if (!setup_.Masks->Passes(relativePath_)) return;

    std::string nativePath;
    nativePath.reserve(directory->NativePath().size() + e.name.size());
    nativePath.append(directory->NativePath()).append(e.name);
    const std::uint64_t size = e.regular ? e.size : 0;
    if (pipeline_) {
      // Read ahead on the workers; files reach the target in this same order.
      listed_.push_back({e.time, e.attributes, size});
      pipeline_->Submit(directory, std::move(nativePath), relativePath_, size, e.regular);
      if (pipeline_->Full()) pipeline_->MakeRoom();
      while (!pipeline_->Empty() && pipeline_->OldestReady()) takeOldest();
      return;
    }
    t_.ReadFile(WalkedFile{directory, nativePath, relativePath_, {e.time, e.attributes, size}, e.regular});
  }

  void takeOldest() {
    const ListedFile f = listed_.front();
    listed_.pop_front();
    const ChecksumPipeline::Taken taken = pipeline_->TakeOldest();
    const WalkedFile file{taken.directory, taken.nativePath, taken.relativePath, f, taken.regular};
    if (t_.Aborted()) {
      t_.FileDropped(file);
      return;
    }
    switch (taken.state) {
      case ChecksumPipeline::SlotState::Done:
        t_.FileRead(file, taken.checksum, taken.snapshotCrc16, taken.bytesRead);
        break;
      case ChecksumPipeline::SlotState::Failed: t_.FileFailed(file); break;  // asks Retry / Skip / Skip all / Abort
      case ChecksumPipeline::SlotState::Queued:
      case ChecksumPipeline::SlotState::Reading:
      case ChecksumPipeline::SlotState::Cancelled: t_.FileDropped(file); break;
    }
  }

  ScanTarget& t_;
  const WalkSetup& setup_;
  platform::NativePath root_;
  platform::NativePath startPath_;  // the start directory
  std::uint8_t fileAllowed_ = 0;
  std::uint8_t directoryAllowed_ = 0;
  std::vector<Frame> frames_;                                 // the current descent, start first
  std::unordered_set<FileIdentity, IdentityHash> ancestors_;  // identities of frames_
  std::size_t openFrames_ = 0;                                // frames holding their handle
  std::size_t firstOpenFrame_ = 0;                            // frames before it are closed
  std::size_t budget_ = 0;                                    // frames that may be open: raised on need
  bool budgetFixed_ = false;
  std::string relativePath_;
  std::unique_ptr<ChecksumPipeline> pipeline_;  // null: each file is read on the spot
  std::deque<ListedFile> listed_;               // the files the pipeline holds, oldest first
};

}  // namespace

void SetScannerDirectoryBudget(int directories) { budgetOverride = directories > 0 ? directories : -1; }

WalkSetup WalkSetup::Of(const Comparison& c) {
  WalkSetup setup;
  setup.SpecialAttr = c.settings.SpecialAttr;
  setup.HiddenDirs = c.settings.HiddenDirs;
  setup.Recurse = c.settings.Recurse;
  setup.Quick = c.settings.Quick;
  setup.Kind = c.State.CurrentChecksumKind;
  setup.Snapshot = c.State.SnapshotMode;
  setup.Masks = &c.Masks;
  setup.Readers = c.Reader.get();
  return setup;
}

void ScanDirectoryTree(Comparison& c, Side side, const std::string& root, const std::string& relativeStart) {
  ComparisonScanTarget target(c, side);
  WalkDirectoryTree(target, WalkSetup::Of(c), root, relativeStart);
}

void WalkDirectoryTree(ScanTarget& target, const WalkSetup& setup, const std::string& root,
                       const std::string& relativeStart) {
  Walker walker(target, setup, platform::NativePath(root));
  walker.Walk(platform::HeldPath(relativeStart.empty() || relativeStart.back() == '\\' ? relativeStart
                                                                                       : relativeStart + '\\'));
  walker.Finish();
}

}  // namespace quorvane
