// Printing an image of a window's client area.
#pragma once

class QPrinter;
class QWidget;

namespace kvo {

// Renders `area` and its visible children on one page of `printer`, at the top left of the
// printable area, at its natural size (1440 twips to the inch), scaled down only where it
// would not fit. Gives false when the printer cannot be opened or the job fails.
bool PrintWidget(QWidget& area, QPrinter& printer);

}  // namespace kvo
