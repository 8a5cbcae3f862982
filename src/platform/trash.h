#pragma once
// The trash of the freedesktop.org desktops: a file on the home file system goes to the
// home trash ($XDG_DATA_HOME/Trash, else ~/.local/share/Trash); a file elsewhere to
// $topdir/.Trash/$uid when $topdir/.Trash is a sticky directory and not a link, else to
// $topdir/.Trash-$uid, $topdir being the mount point of the file's file system. Each
// trashed file gets its info file (info/<name>.trashinfo: the percent-encoded original
// path and the deletion date), created exclusively before the file is moved, so that two
// programs never take the same name. A file is only ever renamed or linked into the
// trash of its own file system, never copied.
#include <cstdint>
#include <ctime>
#include <string>

namespace quorvane::platform {

// A file's place in the trash.
struct TrashEntry {
  std::string infoPath;   // .../info/<name>.trashinfo
  std::string filesPath;  // .../files/<name>
  std::string original;   // where the file was
  bool moved = false;     // linkIntoTrash had to move the file (no hard links there)
};

class FreedesktopTrash {
 public:
  virtual ~FreedesktopTrash() = default;

  // Moves the file (a symlink itself, never its target) into its trash. False with the
  // reason when no trash can take it; the file is then where it was.
  bool moveToTrash(const std::string& path, TrashEntry* entry, std::string* reason);
  // Gives the file a second name in its trash, with its info file, the file keeping its
  // place: once the file's name is replaced (renamed over), the former file is in the
  // trash, and nothing was without a name in between. On a file system without hard
  // links the file is moved into the trash instead (its place is then empty until the
  // replacement takes it; the file itself is never without a name). False with the reason.
  bool linkIntoTrash(const std::string& path, TrashEntry* entry, std::string* reason);
  // Undoes linkIntoTrash (the replacement did not happen): both names in the trash go,
  // or a moved file goes back to its place.
  void withdraw(const TrashEntry& entry);

  // The trash directory a file goes to, made when missing; empty with the reason when
  // none can be used. top: the directory the info file's path is relative to (empty for
  // the home trash, whose info files hold absolute paths).
  std::string trashFor(const std::string& path, std::string* top, std::string* reason);

  // The facts of the file systems, replaceable by tests: the device a path is on (the
  // link itself for a symlink) and the mount point of a path's file system.
  virtual bool deviceOf(const std::string& path, std::uint64_t* device);
  virtual std::string topDirectoryOf(const std::string& path);
  // $XDG_DATA_HOME/Trash, else $HOME/.local/share/Trash; empty when neither is set.
  virtual std::string homeTrash();
  virtual std::tm localNow();
  // A second name for a file (linkat, the link itself for a symlink): 0 or the errno.
  virtual int linkFile(const std::string& from, const std::string& to);

 private:
  bool place(const std::string& path, bool link, TrashEntry* entry, std::string* reason);
};

// The percent-encoded form of a path in an info file ("/" and unreserved characters kept).
std::string TrashPathEncoded(const std::string& path);
std::string TrashPathDecoded(const std::string& encoded);
// The contents of an info file.
std::string TrashInfoText(const std::string& encodedPath, const std::tm& deleted);

// Puts a trashed file back where its info file says it was (never over an existing
// file) and removes the info file. False with the reason.
bool RestoreFromTrash(const std::string& infoPath, std::string* reason);

}  // namespace quorvane::platform
