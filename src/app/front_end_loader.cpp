#include "app/front_end_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace quorvane {
namespace {

std::string ProgramDirectory() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return {};
  const std::string program(path, static_cast<std::size_t>(length));
  const std::size_t slash = program.rfind('/');
  return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

}  // namespace

const FrontEndModule* LoadFrontEndModule(std::string* why) {
  static const FrontEndModule* loaded = nullptr;
  static std::string failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    const std::string directory = ProgramDirectory();
    // QUORVANE_MODULE_RELATIVE_PATH is the installed module's place as seen from the
    // installed program (bin/ -> lib/<arch>/quorvane/).
    const std::vector<std::string> candidates = {directory + QUORVANE_MODULE_NAME,
                                                 directory + QUORVANE_MODULE_RELATIVE_PATH};
    failure = "the window module " QUORVANE_MODULE_NAME " was not found beside the program nor in " +
              directory + QUORVANE_MODULE_RELATIVE_PATH;
    for (const std::string& candidate : candidates) {
      if (access(candidate.c_str(), F_OK) != 0) continue;
      void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (handle == nullptr) {
        const char* error = dlerror();
        failure = "the window module could not be loaded: " + std::string(error ? error : candidate);
        break;
      }
      auto entry = reinterpret_cast<FrontEndModuleEntry>(dlsym(handle, kFrontEndModuleEntry));
      const FrontEndModule* module = entry ? entry() : nullptr;
      if (module == nullptr || module->version != kFrontEndModuleVersion) {
        failure = "the window module " + candidate + " belongs to another version of quorvane";
        break;
      }
      loaded = module;
      break;
    }
  }
  if (loaded == nullptr && why != nullptr) *why = failure;
  return loaded;
}

}  // namespace quorvane
