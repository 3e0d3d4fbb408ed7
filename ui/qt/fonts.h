#pragma once
// The program's fonts by their Windows names, with the metric-compatible
// Liberation faces standing in where the Windows ones are not installed.
#include <QFont>

#include "ui/window_description.h"

namespace keldra::ui {

QFont Times_Font(int pixel_size, bool bold = false);    // Times New Roman
QFont Arial_Font(int pixel_size, bool bold = false);    // Arial
QFont Courier_Font(int pixel_size, bool bold = false);  // Courier
QFont System_Font(int pixel_size, bool bold = false);   // System
// A described font by its face name; an empty face is the window's font.
QFont Font_Of(const Font_Description& d, const QFont& window_font);

}  // namespace keldra::ui
