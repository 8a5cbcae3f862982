#include "platform/path_form.h"

#include <algorithm>

namespace quorvane::platform {

void appendNative(std::string& out, std::string_view heldPart) {
  const std::size_t at = out.size();
  out += heldPart;
  std::replace(out.begin() + static_cast<std::ptrdiff_t>(at), out.end(), '\\', '/');
}

NativePath toNative(const HeldPath& held) {
  std::string out;
  appendNative(out, held.view());
  return NativePath(std::move(out));
}

HeldPath toHeld(const NativePath& native) {
  std::string out(native.view());
  std::replace(out.begin(), out.end(), '/', '\\');
  return HeldPath(std::move(out));
}

NativePath joinNative(const NativePath& root, const HeldPath& relative) {
  std::string out(root.view());
  if (!out.empty() && out.back() != '/' && !relative.view().empty()) out += '/';
  appendNative(out, relative.view());
  return NativePath(std::move(out));
}

std::string toNativePath(std::string_view held) { return toNative(HeldPath(std::string(held))).str(); }

std::string toHeldPath(std::string_view native) { return toHeld(NativePath(std::string(native))).str(); }

std::string joinNative(std::string_view root, std::string_view heldRelative) {
  return joinNative(NativePath(std::string(root)), HeldPath(std::string(heldRelative))).str();
}

}  // namespace quorvane::platform
