#include "ui/qt/described_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <limits>

#include "ui/qt/fonts.h"

namespace keldra::ui {
namespace {

// A label that answers a click with its command. Double-clicks are the window's to
// route (the main window's rows take them through an event filter).
class Command_Label : public QLabel {
 public:
  Command_Label(QWidget* parent, const Control_Description& d,
                const std::function<void(int)>& on_command)
      : QLabel(parent), click_(d.click), on_command_(on_command) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && click_ != No_Command) on_command_(click_);
    QLabel::mousePressEvent(e);
  }

 private:
  int click_;
  std::function<void(int)> on_command_;
};

// A list whose new selection, by a click or from the keyboard, runs its command;
// a selection set by the window runs nothing.
class Command_List : public QListWidget {
 public:
  Command_List(QWidget* parent, int command, const std::function<void(int)>& on_command)
      : QListWidget(parent), command_(command), on_command_(on_command) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, [this] { on_command_(command_); });
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != before) on_command_(command_);
  }

 private:
  int command_;
  std::function<void(int)> on_command_;
};

// Escape runs the window's described command; nothing closes a window by itself.
class Escape_Filter : public QObject {
 public:
  Escape_Filter(QObject* window, int command, const std::function<void(int)>& on_command)
      : QObject(window), command_(command), on_command_(on_command) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape)
      return QObject::eventFilter(watched, e);
    on_command_(command_);
    return true;
  }

 private:
  int command_;
  std::function<void(int)> on_command_;
};

}  // namespace

Qt::Alignment Alignment_Of(const Control_Description& d) {
  Qt::Alignment a = d.align == Text_Align::Centre  ? Qt::AlignHCenter
                    : d.align == Text_Align::Right ? Qt::AlignRight
                                                   : Qt::AlignLeft;
  return a | (d.top_aligned ? Qt::AlignTop : Qt::AlignVCenter);
}

QColor Colour_Of(const Colour& colour, const QPalette& palette, QPalette::ColorRole inherit) {
  switch (colour.role) {
    case Colour_Role::Exact:
      return QColor((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
    case Colour_Role::Button_Face: return palette.color(QPalette::Button);
    case Colour_Role::Window_Text: return palette.color(QPalette::WindowText);
    case Colour_Role::Highlight_Text: return palette.color(QPalette::HighlightedText);
    // The colour the system keeps for an inactive caption's text.
    case Colour_Role::Inactive_Caption_Text: return QColor(212, 208, 200);
    case Colour_Role::Inherit: break;
  }
  return palette.color(inherit);
}

void Apply_Description(QWidget& w, const Control_Description& d, const QFont& window_font) {
  if (!d.name.empty()) w.setObjectName(QString::fromStdString(d.name));
  if (d.tag != 0) w.setProperty("Tag", d.tag);
  w.setGeometry(d.box.left, d.box.top, d.box.width, d.box.height);
  if (!d.font.face.empty()) w.setFont(Font_Of(d.font, window_font));
  // A label's text is drawn in the window-text colour; other kinds colour their
  // own parts.
  if (d.text_colour.role != Colour_Role::Inherit && qobject_cast<QLabel*>(&w) != nullptr) {
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, Colour_Of(d.text_colour, p, QPalette::WindowText));
    w.setPalette(p);
  }
  if (!d.hint.empty()) {
    // A hint kept but switched off shows nothing.
    w.setProperty("Hint", QString::fromStdString(d.hint));
    if (d.show_hint) w.setToolTip(QString::fromStdString(d.hint));
  }
  if (auto* label = qobject_cast<QLabel*>(&w)) {
    label->setAlignment(Alignment_Of(d));
    label->setWordWrap(d.word_wrap);
    // A hidden one keeps its design size until it is given a text to show.
    if (d.auto_size && d.visible) label->adjustSize();
  }
  w.setVisible(d.visible);
}

Qt::WindowFlags Dialog_Flags(Frame_Kind kind) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (kind == Frame_Kind::Dialog_With_Close_Box) flags |= Qt::WindowCloseButtonHint;
  return flags;
}

void Place_As_Described(QWidget& dialog, const Window_Description& d, bool first_show) {
  const bool centre =
      d.centring == Centring::Every_Show || (d.centring == Centring::First_Show && first_show);
  if (!centre) return;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
  }
}

QWidget* Make_Described(const Control_Description& d, QWidget* parent, const QFont& window_font,
                        const std::function<void(int)>& on_command) {
  QWidget* w = nullptr;
  const QString text = QString::fromStdString(d.text);
  switch (d.kind) {
    case Control_Kind::Label: {
      auto* label = new Command_Label(parent, d, on_command);
      label->setText(text);
      // Drawn over whatever lies below it, a picture included.
      label->setAttribute(Qt::WA_TranslucentBackground);
      w = label;
      break;
    }
    case Control_Kind::Picture: {
      // Its picture comes with the window's artwork, stretched to the control.
      auto* picture = new Command_Label(parent, d, on_command);
      picture->setScaledContents(true);
      w = picture;
      break;
    }
    case Control_Kind::Frame:
    case Control_Kind::Raised_Frame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::Panel |
                           (d.kind == Control_Kind::Frame ? QFrame::Sunken : QFrame::Raised));
      w = frame;
      break;
    }
    case Control_Kind::Group: w = new QGroupBox(parent); break;
    case Control_Kind::Button:
    case Control_Kind::Picture_Button: {
      auto* button = new QPushButton(parent);
      if (d.kind == Control_Kind::Button) button->setText(text);
      // Only the button described as the default answers Enter.
      button->setAutoDefault(false);
      button->setDefault(d.is_default);
      w = button;
      break;
    }
    case Control_Kind::Check_Box: w = new QCheckBox(text, parent); break;
    case Control_Kind::List_Box: w = new Command_List(parent, d.click, on_command); break;
    case Control_Kind::Hidden_List: w = new QListWidget(parent); break;
    case Control_Kind::Number_Display: {
      // A number shown, never edited and never focused, in its described colours.
      auto* number = new QSpinBox(parent);
      number->setRange(0, std::numeric_limits<int>::max());
      number->setReadOnly(true);
      number->setEnabled(false);
      number->setFocusPolicy(Qt::NoFocus);
      QPalette p = number->palette();
      for (QPalette::ColorGroup g : {QPalette::Disabled, QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Text, Colour_Of(d.text_colour, p, QPalette::Text));
        p.setColor(g, QPalette::Base, Colour_Of(d.background, p, QPalette::Base));
      }
      number->setPalette(p);
      w = number;
      break;
    }
    default: return nullptr;
  }
  // A click by the user, on a button or a check box; never a state the window sets.
  if (auto* button = qobject_cast<QAbstractButton*>(w);
      button != nullptr && d.click != No_Command) {
    const int command = d.click;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [on_command, command] { on_command(command); });
  }
  Apply_Description(*w, d, window_font);
  return w;
}

void Build_Described(QWidget& window, const Window_Description& d,
                     const std::function<bool(const Control_Description&)>& which,
                     const std::function<void(int)>& on_command, const Own_Maker& own) {
  for (const Control_Description& c : d.controls) {
    if (!which(c)) continue;
    QWidget* parent = c.parent.empty() ? &window : Named<QWidget>(window, c.parent);
    QWidget* w = own ? own(c, parent) : nullptr;
    if (w != nullptr) {
      Apply_Description(*w, c, window.font());
    } else if ((w = Make_Described(c, parent, window.font(), on_command)) == nullptr) {
      continue;
    }
    if (c.hand_cursor) w->setCursor(Qt::PointingHandCursor);
    if (c.kind == Control_Kind::Frame || c.kind == Control_Kind::Raised_Frame) w->lower();
  }
}

void Describe_Dialog(QWidget& dialog, const Window_Description& d,
                     const std::function<void(int)>& on_command) {
  dialog.setObjectName(QString::fromStdString(d.name));
  dialog.setWindowTitle(QString::fromStdString(d.caption));
  dialog.setFont(Font_Of(d.font, dialog.font()));
  dialog.setFixedSize(d.client_width, d.client_height);
  QPalette pal = dialog.palette();
  pal.setColor(QPalette::Window, Colour_Of(d.background, pal, QPalette::Window));
  dialog.setPalette(pal);
  dialog.setAutoFillBackground(true);
  dialog.installEventFilter(new Escape_Filter(&dialog, d.escape_command, on_command));
  for (const Timer_Description& t : d.timers) {
    auto* timer = new QTimer(&dialog);
    timer->setObjectName(QString::fromStdString(t.name));
    timer->setInterval(t.interval_ms);
    QObject::connect(timer, &QTimer::timeout, &dialog,
                     [on_command, command = t.command] { on_command(command); });
  }
}

}  // namespace keldra::ui
