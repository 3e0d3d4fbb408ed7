#pragma once
// The five small pictures of the drive chooser, drawn by the program itself. Each
// has its transparent colour in its bottom-left pixel.
#include <QPixmap>

#include "platform/drive_table.h"
#include "ui/options_setup_description.h"

namespace keldra::ui {

// The picture as drawn, transparent colour included.
QImage Drive_Picture_Bitmap(platform::Drive_Type type);

// Ready to draw: the bottom-left pixel's colour made transparent.
QPixmap Drive_Picture(platform::Drive_Type type);

}  // namespace keldra::ui
