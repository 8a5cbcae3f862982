#pragma once
// Relative paths are held with "\" between components, as every list, report and
// snapshot shows them; the disk is touched with "/". Set roots are native absolute
// paths ending with "/".
#include <string>
#include <string_view>

namespace quorvane::platform {

// "sub\a.txt" -> "sub/a.txt"
std::string toNativePath(std::string_view held);
// "sub/a.txt" -> "sub\a.txt"
std::string toHeldPath(std::string_view native);
// root + held relative path, as a native path.
std::string joinNative(std::string_view root, std::string_view heldRelative);

}  // namespace quorvane::platform
