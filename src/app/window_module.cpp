// The window module: the window program and the Qt printer behind the entries the
// program looks up when it loads the module. A build without Qt Widgets has the printer
// alone.
#include "app/front_end_module.h"
#include "ui/printing/printer.h"
#ifdef QUORVANE_WITH_WINDOW
#include "ui/main_window/window_program.h"
#endif

namespace {

const quorvane::FrontEndModule kModule = {
    quorvane::kFrontEndModuleVersion,
#ifdef QUORVANE_WITH_WINDOW
    &quorvane::ui::DisplayAvailable,
    &quorvane::ui::RunWindowProgram,
#else
    nullptr,
    nullptr,
#endif
    &quorvane::MakePrinterPort,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const quorvane::FrontEndModule* quorvane_front_end_module() {
  return &kModule;
}
