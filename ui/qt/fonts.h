#pragma once
// The program's fonts by their Windows names, with the metric-compatible
// Liberation faces standing in where the Windows ones are not installed.
#include <QFont>

namespace keldra::ui {

QFont Times_Font(int pixel_size, bool bold = false);    // Times New Roman
QFont Arial_Font(int pixel_size, bool bold = false);    // Arial
QFont Courier_Font(int pixel_size, bool bold = false);  // Courier
QFont System_Font(int pixel_size, bool bold = false);   // System

}  // namespace keldra::ui
