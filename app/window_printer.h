#pragma once
// "Print": an image of a window on one page, scaled to fit with its shape kept.

class QPrinter;
class QWidget;

namespace velmora {

// Returns false when the printer could not be started.
bool PrintWindowImage(QWidget& window, QPrinter& printer);

}  // namespace velmora
