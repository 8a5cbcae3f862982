#include "sources/path_rewrite.h"

namespace quorvane {

namespace {

void appendStripped(std::string& out, std::string_view component) {
  const std::size_t dot = component.find('.');
  out += component.substr(0, std::min<std::size_t>(dot, 8));
  if (dot == std::string_view::npos) return;
  out += '.';
  std::string_view extension = component.substr(dot + 1);
  extension = extension.substr(0, extension.find('.'));
  out += extension.substr(0, 3);
}

}  // namespace

std::string Strip83Path(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find('\\', start);
    appendStripped(out, path.substr(start, slash - start));
    if (slash == std::string_view::npos) break;
    out += '\\';
    start = slash + 1;
  }
  return out;
}

std::string RewritePath(std::string_view path, const Settings& settings) {
  std::string out = !settings.SFN && settings.Strip83 ? Strip83Path(path) : std::string(path);
  if (settings.NoPath) {
    const std::size_t slash = out.rfind('\\');
    if (slash != std::string::npos) out.erase(0, slash + 1);
  }
  return out;
}

}  // namespace quorvane
