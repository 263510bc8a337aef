// Printing an image of a window's client area.
#pragma once

class QPrinter;
class QWidget;

namespace kvo {

// Renders `area` and its visible children on one page of `printer`, at the top left of the
// printable area, at its natural size (1440 twips to the inch), scaled down only where it
// would not fit. Gives false when the printer cannot be opened or the job fails.
bool PrintWidget(QWidget& area, QPrinter& printer);

// The Tisk command: prints `area` on the default printer, with no dialog. Without a printer it
// offers to save the same page as a PDF file of the user's choice; a failure gets a message.
// `window` owns the messages and names the document.
void PrintWindow(QWidget& window, QWidget& area);

}  // namespace kvo
