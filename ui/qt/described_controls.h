#pragma once
// Widgets made from a window's description: the kinds every window shares are made
// here; a window makes its own kinds (gauges, the chooser, the interval field) and
// has the description applied to them the same way.
#include <QFont>
#include <QWidget>
#include <functional>

#include "ui/window_description.h"

namespace keldra::ui {

QColor Colour_Of(const Colour& colour, const QPalette& palette, QPalette::ColorRole inherit);

// Name, Tag, place and size, font, colours, hint, alignment and visibility.
void Apply_Description(QWidget& widget, const Control_Description& d, const QFont& window_font);

// A label, frame, group, button or check box as described, or nullptr for a kind the
// window makes itself. on_command runs a click's or double-click's command.
// A description's box as the toolkit's rectangle.
inline QRect Rect_Of(const Box& b) { return QRect(b.left, b.top, b.width, b.height); }

// A text's alignment in its control.
Qt::Alignment Alignment_Of(const Control_Description& d);

// A dialog's window flags for its frame.
Qt::WindowFlags Dialog_Flags(Frame_Kind kind);

// A dialog about to be shown, centred on the screen as its description says.
void Place_As_Described(QWidget& dialog, const Window_Description& d, bool first_show);

QWidget* Make_Described(const Control_Description& d, QWidget* parent, const QFont& window_font,
                        const std::function<void(int)>& on_command);

}  // namespace keldra::ui
