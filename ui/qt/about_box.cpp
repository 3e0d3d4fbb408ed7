#include "ui/qt/about_box.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <chrono>

#include "ui/about_box_description.h"
#include "ui/qt/animated_picture.h"
#include "ui/qt/artwork.h"
#include "ui/qt/described_controls.h"
#include "ui/qt/fonts.h"

namespace keldra::ui {
namespace {

const Window_Description& Described() { return About_Box_Description(); }

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TAboutBox::TAboutBox(ui::About_Box_Behaviour& behaviour, QWidget* parent)
    : QDialog(parent, Dialog_Flags(Described().frame_kind)), behaviour_(behaviour) {
  const Window_Description& d = Described();
  setObjectName(Q(d.name));
  setWindowTitle(Q(d.caption));
  setFixedSize(d.client_width, d.client_height);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Colour_Of(d.background, pal, QPalette::Window));
  setPalette(pal);
  setAutoFillBackground(true);
  Create_Controls();
}

void TAboutBox::Create_Controls() {
  const Window_Description& d = Described();
  const QFont body = Font_Of(d.font, font());
  const auto run = [this](int command) { behaviour_.Run_Command(command); };
  for (const Control_Description& c : d.controls) {
    QWidget* parent =
        c.parent.empty() ? static_cast<QWidget*>(this) : findChild<QWidget*>(Q(c.parent));
    QWidget* w = nullptr;
    bool described = false;
    switch (c.kind) {
      case Control_Kind::Animated_Picture: {
        auto* picture = new Animated_Picture(parent);
        connect(picture, &Animated_Picture::Clicked, this, [run, cmd = c.click] { run(cmd); });
        w = picture;
        break;
      }
      case Control_Kind::Hidden_List: {
        auto* list = new QListWidget(parent);
        for (const std::string& q : ui::About_Quotes()) list->addItem(Q(q));
        w = list;
        break;
      }
      default:
        w = Make_Described(c, parent, body, run);
        described = true;  // as it was made
        break;
    }
    if (!described) Apply_Description(*w, c, body);
    if (c.hand_cursor) w->setCursor(Qt::PointingHandCursor);
    // The group holding the texts gives them the box's font.
    if (c.kind == Control_Kind::Group && c.name == about_box_names::GroupBox1) w->setFont(body);
  }
  const auto label = [this](const char* name) { return findChild<QLabel*>(name); };
  GroupBox1 = findChild<QGroupBox*>(about_box_names::GroupBox1);
  GroupBox2 = findChild<QGroupBox*>(about_box_names::GroupBox2);
  Vantrel_Logo_Banner_Image = label(about_box_names::Vantrel_Logo_Banner_Image);
  Bevel1 = findChild<QFrame*>(about_box_names::Bevel1);
  Vantrel_Logo_GIFImage = findChild<Animated_Picture*>(about_box_names::Vantrel_Logo_GIFImage);
  Quote_From_Vantrel_Label = label(about_box_names::Quote_From_Vantrel_Label);
  Product_Name_Label = label(about_box_names::Product_Name_Label);
  Author_and_Date_Label = label(about_box_names::Author_and_Date_Label);
  Developed_Using_Label = label(about_box_names::Developed_Using_Label);
  Copyright_Label = label(about_box_names::Copyright_Label);
  PayPal_Donations_Label = label(about_box_names::PayPal_Donations_Label);
  PayPal_Image = label(about_box_names::PayPal_Image);
  Comments_Label = label(about_box_names::Comments_Label);
  WEB_Page_Label = label(about_box_names::WEB_Page_Label);
  Email_Address_Label = label(about_box_names::Email_Address_Label);
  WEB_Address_Label = label(about_box_names::WEB_Address_Label);
  Email_Button = findChild<QPushButton*>(about_box_names::Email_Button);
  WEB_Button = findChild<QPushButton*>(about_box_names::WEB_Button);
  PayPal_WEB_Address_Label = label(about_box_names::PayPal_WEB_Address_Label);
  Label3 = label(about_box_names::Label3);
  Free_Resources_Label = label(about_box_names::Free_Resources_Label);
  OKButton = findChild<QPushButton*>(about_box_names::OKButton);
  OKButton->setIconSize(Ok_Glyph(true).size());
  Bevel3 = findChild<QFrame*>(about_box_names::Bevel3);
  Badge_Logo = label(about_box_names::Badge_Logo);
  Badge_Label = label(about_box_names::Badge_Label);
  Quotes_From_Vantrel_ListBox =
      findChild<QListWidget*>(about_box_names::Quotes_From_Vantrel_ListBox);

  for (const Timer_Description& t : d.timers) {
    auto* timer = new QTimer(this);
    timer->setObjectName(Q(t.name));
    timer->setInterval(t.interval_ms);
    connect(timer, &QTimer::timeout, this, [run, cmd = t.command] { run(cmd); });
  }
  Quote_Change_Timer = findChild<QTimer*>(about_box_names::Quote_Change_Timer);
  // The bevels lie behind the texts that are moved over them.
  Bevel3->lower();
  Bevel1->lower();
  Free_Resources_Timer = findChild<QTimer*>(about_box_names::Free_Resources_Timer);
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
  QWidget* w = findChild<QWidget*>(Q(name));
  if (auto* button = qobject_cast<QPushButton*>(w)) button->setText(Q(text));
  if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(Q(text));
    if (Described().Control(name).auto_size) label->adjustSize();
  }
}

void TAboutBox::Show_Control(const std::string& name, bool shown) {
  findChild<QWidget*>(Q(name))->setVisible(shown);
}

void TAboutBox::Move_Control(const std::string& name, int left, int top) {
  findChild<QWidget*>(Q(name))->move(left, top);
}

void TAboutBox::Set_Control_Hint(const std::string& name, const std::string& hint) {
  findChild<QWidget*>(Q(name))->setToolTip(Q(hint));
}

void TAboutBox::Set_Running(bool running) {
  if (running) {
    Quote_Change_Timer->start();
    Free_Resources_Timer->start();
  } else {
    Quote_Change_Timer->stop();
    Free_Resources_Timer->stop();
  }
  Vantrel_Logo_GIFImage->Set_Animate(running);
}

void TAboutBox::Draw_Artwork() {
  // Drawn when the box is first shown rather than at start-up: nothing of it is
  // seen before, and its fonts would only slow the main window's first appearance.
  if (artwork_drawn_) return;
  artwork_drawn_ = true;
  Vantrel_Logo_GIFImage->Load(Logo_Gif_Resource());
  Vantrel_Logo_Banner_Image->setPixmap(Banner_Picture());
  PayPal_Image->setPixmap(Donation_Button_Picture());
  Badge_Logo->setPixmap(Badge_Picture());
  QIcon glyph;
  glyph.addPixmap(Ok_Glyph(true), QIcon::Normal);
  glyph.addPixmap(Ok_Glyph(false), QIcon::Disabled);
  OKButton->setIcon(glyph);
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

void TAboutBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    behaviour_.Run_Command(Described().escape_command);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace keldra::ui
