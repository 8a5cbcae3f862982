#include "platform/path_form.h"

#include <algorithm>

namespace quorvane::platform {

std::string toNativePath(std::string_view held) {
  std::string out(held);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

std::string toHeldPath(std::string_view native) {
  std::string out(native);
  std::replace(out.begin(), out.end(), '/', '\\');
  return out;
}

std::string joinNative(std::string_view root, std::string_view heldRelative) {
  std::string out(root);
  if (!out.empty() && out.back() != '/' && !heldRelative.empty()) out += '/';
  const std::size_t at = out.size();
  out += heldRelative;
  std::replace(out.begin() + static_cast<std::ptrdiff_t>(at), out.end(), '\\', '/');
  return out;
}

}  // namespace quorvane::platform
