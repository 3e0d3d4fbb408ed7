#pragma once
// Keldra's own pictures for the About box and the application, drawn here.
#include <QPixmap>

namespace keldra::ui {

QPixmap Banner_Picture();           // the About box's banner, drawn at 611 x 67
QPixmap Badge_Picture();            // 598 x 154, shown stretched
QPixmap Donation_Button_Picture();  // 62 x 31
QPixmap Ok_Glyph(bool enabled);     // 18 x 19
QIcon Application_Icon();

// The animated logo (135 x 125, eight frames of 100 ms, loop count 999).
QString Logo_Gif_Resource();

}  // namespace keldra::ui
