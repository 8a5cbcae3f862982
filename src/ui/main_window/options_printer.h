#pragma once
// The Options dialog's ties to the window: the printer its Printing page shows and sets
// up, and the help bubbles its "Show help bubbles" box turns on or off.
namespace quorvane {
struct Program;
}

namespace quorvane::ui {

class OptionsDialog;

// Gives the dialog the program's printer (none when there is no printer), applies
// PrinterOrientation to it, and makes the Setup button run the page set-up dialog.
void ConnectOptionsPrinter(OptionsDialog& dialog, Program& program);

// Tool tips for every control of the application, or none.
void SetHelpBubbles(bool shown);

}  // namespace quorvane::ui
