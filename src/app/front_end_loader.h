#pragma once
// Finds and loads the window module beside the program (a build tree) or in the
// installation's library folder, once; the module stays loaded until the program ends.
#include <string>

#include "app/front_end_module.h"

namespace quorvane {

// The module's entries, or nullptr with *why set to a text for the user.
const FrontEndModule* LoadFrontEndModule(std::string* why);

}  // namespace quorvane
