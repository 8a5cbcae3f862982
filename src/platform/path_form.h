#pragma once
// Relative paths are held with "\" between components, as every list, report and
// snapshot shows them; the disk is touched with "/". Set roots are native absolute
// paths ending with "/". HeldPath and NativePath say which form a text is in; the
// functions below are the one place that turns one form into the other.
#include <string>
#include <string_view>
#include <utility>

namespace quorvane::platform {

// A path in the held form: relative, "\" between components ("sub\a.txt").
class HeldPath {
 public:
  HeldPath() = default;
  explicit HeldPath(std::string text) : text_(std::move(text)) {}
  const std::string& str() const { return text_; }
  std::string_view view() const { return text_; }
  bool operator==(const HeldPath&) const = default;

 private:
  std::string text_;
};

// A path the system understands: "/" between components ("/data/sub/a.txt").
class NativePath {
 public:
  NativePath() = default;
  explicit NativePath(std::string text) : text_(std::move(text)) {}
  const std::string& str() const { return text_; }
  std::string_view view() const { return text_; }
  bool operator==(const NativePath&) const = default;

 private:
  std::string text_;
};

// "sub\a.txt" -> "sub/a.txt"
NativePath toNative(const HeldPath& held);
// "sub/a.txt" -> "sub\a.txt"
HeldPath toHeld(const NativePath& native);
// root + held relative path, as a native path ("/" added after a root without one).
NativePath joinNative(const NativePath& root, const HeldPath& relative);

// Appends a part of a held path to a native text, "\" written as "/" (no allocation
// beyond out's own growth, for loops that build one line per file).
void appendNative(std::string& out, std::string_view heldPart);

// The same on plain texts, for callers that hold the forms in strings.
std::string toNativePath(std::string_view held);
std::string toHeldPath(std::string_view native);
std::string joinNative(std::string_view root, std::string_view heldRelative);

}  // namespace quorvane::platform
