#include "ui/qt/about_box.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "ui/about_box_description.h"
#include "ui/qt/animated_picture.h"
#include "ui/qt/artwork.h"
#include "ui/qt/described_controls.h"

namespace keldra::ui {
namespace {

const Window_Description& Described() { return About_Box_Description(); }

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TAboutBox::TAboutBox(ui::About_Box_Behaviour& behaviour, QWidget* parent)
    : QDialog(parent, Dialog_Flags(Described().frame_kind)), behaviour_(behaviour) {
  const auto run = [this](int command) { behaviour_.Run_Command(command); };
  Describe_Dialog(*this, Described(), run);
  Build_Described(
      *this, Described(), [](const Control_Description&) { return true; }, run,
      [run](const Control_Description& c, QWidget* parent) -> QWidget* {
        if (c.kind != Control_Kind::Animated_Picture) return nullptr;
        auto* picture = new Animated_Picture(parent);
        connect(picture, &Animated_Picture::Clicked, picture, [run, cmd = c.click] { run(cmd); });
        return picture;
      });
  auto* quotes = Control<QListWidget>(about_box_names::Quotes_From_Vantrel_ListBox);
  for (const std::string& q : ui::About_Quotes()) quotes->addItem(Q(q));
  Control<QPushButton>(about_box_names::OKButton)->setIconSize(Ok_Glyph(true).size());
}

void TAboutBox::Set_Field(ui::About_Field field, const std::string& text) {
  const std::string name = About_Field_Control(field);
  if (name.empty()) {
    setWindowTitle(Q(text));
    return;
  }
  Set_Control_Text(name, text);
}

void TAboutBox::Set_Control_Text(const std::string& name, const std::string& text) {
  QWidget* w = Control<QWidget>(name);
  if (auto* button = qobject_cast<QPushButton*>(w)) button->setText(Q(text));
  if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(Q(text));
    if (Described().Control(name).auto_size) label->adjustSize();
  }
}

void TAboutBox::Show_Control(const std::string& name, bool shown) {
  Control<QWidget>(name)->setVisible(shown);
}

void TAboutBox::Move_Control(const std::string& name, int left, int top) {
  Control<QWidget>(name)->move(left, top);
}

void TAboutBox::Set_Control_Hint(const std::string& name, const std::string& hint) {
  Control<QWidget>(name)->setToolTip(Q(hint));
}

void TAboutBox::Set_Running(bool running) {
  for (QTimer* timer : findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (running) {
      timer->start();
    } else {
      timer->stop();
    }
  }
  Control<Animated_Picture>(about_box_names::Vantrel_Logo_GIFImage)->Set_Animate(running);
}

void TAboutBox::Draw_Artwork() {
  // Drawn when the box is first shown rather than at start-up: nothing of it is
  // seen before, and its fonts would only slow the main window's first appearance.
  if (artwork_drawn_) return;
  artwork_drawn_ = true;
  Control<Animated_Picture>(about_box_names::Vantrel_Logo_GIFImage)->Load(Logo_Gif_Resource());
  Control<QLabel>(about_box_names::Vantrel_Logo_Banner_Image)->setPixmap(Banner_Picture());
  Control<QLabel>(about_box_names::PayPal_Image)->setPixmap(Donation_Button_Picture());
  Control<QLabel>(about_box_names::Badge_Logo)->setPixmap(Badge_Picture());
  QIcon glyph;
  glyph.addPixmap(Ok_Glyph(true), QIcon::Normal);
  glyph.addPixmap(Ok_Glyph(false), QIcon::Disabled);
  Control<QPushButton>(about_box_names::OKButton)->setIcon(glyph);
}

void TAboutBox::showEvent(QShowEvent* event) {
  Draw_Artwork();
  Place_As_Described(*this, Described(), !shown_before_);
  shown_before_ = true;
  QDialog::showEvent(event);
  behaviour_.FormActivate();
}

// However the box goes (OK, Escape, its close button, Alt+F4), nothing of it runs on
// while it is hidden.
void TAboutBox::hideEvent(QHideEvent* event) {
  behaviour_.Closed();
  QDialog::hideEvent(event);
}

// Every time the box becomes the active window, the activation steps run again.
// The showing runs them too, for a window manager that does not activate it.
void TAboutBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
    behaviour_.FormActivate();
  }
}

}  // namespace keldra::ui
