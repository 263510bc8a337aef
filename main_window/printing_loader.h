// Finds the printing module, installed beside the program or in the build tree, and loads it
// on first use.
#pragma once

class QWidget;

namespace kvo {

// Prints `area` of `window` as the Tisk command does (see window_printing.h).
using PrintWindowFunction = void (*)(QWidget* window, QWidget* area);

inline constexpr auto kPrintingModuleName = "riziko-infarktu-printing.so";

// The module's print function, or nullptr when the module cannot be found or loaded.
PrintWindowFunction LoadPrinting();

}  // namespace kvo
