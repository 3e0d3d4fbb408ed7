#pragma once
// Widgets made from a window's description: the kinds every window shares are made
// here; a window makes its own kinds (gauges, the chooser, the interval field) and
// has the description applied to them the same way.
#include <QFont>
#include <QObject>
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

// A control of a kind the window makes itself, in `parent`; nullptr for the shared
// table's kinds.
using Own_Maker = std::function<QWidget*(const Control_Description&, QWidget* parent)>;

// Makes the controls of `d` that `which` picks, in the description's order (which
// is the order Tab visits them and, from the bottom up, how they are stacked), each
// in the group it names, through `own` or the shared table, described once. Frames
// lie behind everything else.
void Build_Described(QWidget& window, const Window_Description& d,
                     const std::function<bool(const Control_Description&)>& which,
                     const std::function<void(int)>& on_command, const Own_Maker& own = {});

// A dialog as described: its name, caption, fixed size, font and background, its
// timers (stopped; the dialog starts them), and Escape running the described
// command instead of closing it.
void Describe_Dialog(QWidget& dialog, const Window_Description& d,
                     const std::function<void(int)>& on_command);

// A control by its described name.
template <typename T>
T* Named(const QObject& window, const std::string& name) {
  return window.findChild<T*>(QString::fromStdString(name));
}

}  // namespace keldra::ui
