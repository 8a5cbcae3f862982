#pragma once
// What the window module (quorvane-window.so) hands the program: the Qt front end, kept
// out of the program itself so that a headless run loads no Qt library. The program
// loads the module only to open the window or to print.
#include <memory>
#include <string>
#include <vector>

#include "platform/text_device.h"
#include "platform/user_interface.h"

namespace quorvane {

// Raised whenever the entries change shape; the program refuses a module of another
// version (a stale build or a half-upgraded installation).
inline constexpr int kFrontEndModuleVersion = 1;

struct FrontEndModule {
  int version = kFrontEndModuleVersion;
  bool (*displayAvailable)() = nullptr;
  int (*runWindowProgram)(int argc, char** argv, const std::vector<std::string>& args) = nullptr;
  std::unique_ptr<PrinterPort> (*makePrinterPort)(platform::UserInterface& ui) = nullptr;
};

// The one symbol the module exports.
inline constexpr const char* kFrontEndModuleEntry = "quorvane_front_end_module";
using FrontEndModuleEntry = const FrontEndModule* (*)();

}  // namespace quorvane
