#include "ui/qt/about_box.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <chrono>

#include "ui/qt/animated_picture.h"
#include "ui/qt/artwork.h"
#include "ui/qt/fonts.h"

namespace keldra::ui {
namespace {

// A label that answers clicks, as the About box's links and pictures do.
class Click_Label : public QLabel {
 public:
  Click_Label(const QString& text, QWidget* parent, std::function<void()> on_click)
      : QLabel(text, parent), on_click_(std::move(on_click)) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && on_click_) on_click_();
  }

 private:
  std::function<void()> on_click_;
};

QFont Link_Font() {
  QFont f = Times_Font(16, true);
  f.setUnderline(true);
  return f;
}

void Blue(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, Qt::blue);
  w->setPalette(p);
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TAboutBox::TAboutBox(ui::About_Box_Behaviour::Services services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      behaviour_(*this, std::move(services)) {
  setObjectName("AboutBox");
  setWindowTitle("??");
  setFixedSize(622, 411);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Button));
  setPalette(pal);
  setAutoFillBackground(true);
  Create_Controls();
}

void TAboutBox::Create_Controls() {
  GroupBox2 = new QGroupBox(this);
  GroupBox2->setObjectName("GroupBox2");
  GroupBox2->setGeometry(3, -4, 615, 77);
  Vantrel_Logo_Banner_Image =
      new Click_Label("", GroupBox2, [this] { behaviour_.WEB_ButtonClick(); });
  Vantrel_Logo_Banner_Image->setObjectName("Vantrel_Logo_Banner_Image");
  Vantrel_Logo_Banner_Image->setGeometry(2, 8, 611, 67);
  Vantrel_Logo_Banner_Image->setScaledContents(true);

  GroupBox1 = new QGroupBox(this);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(3, 70, 615, 341);
  GroupBox1->setFont(Times_Font(15));
  QWidget* g = GroupBox1;

  auto label = [g](const char* name, const QString& text, QRect r) {
    auto* l = new QLabel(text, g);
    l->setObjectName(name);
    l->setGeometry(r);
    return l;
  };
  auto click_label = [g](const char* name, const QString& text, QRect r, std::function<void()> f) {
    auto* l = new Click_Label(text, g, std::move(f));
    l->setObjectName(name);
    l->setGeometry(r);
    return l;
  };

  Bevel1 = new QFrame(g);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Bevel1->setGeometry(5, 14, 184, 167);
  Vantrel_Logo_GIFImage = new Animated_Picture(g);
  Vantrel_Logo_GIFImage->setObjectName("Vantrel_Logo_GIFImage");
  Vantrel_Logo_GIFImage->setGeometry(12, 16, 173, 165);
  connect(Vantrel_Logo_GIFImage, &Animated_Picture::Clicked, this,
          [this] { behaviour_.WEB_ButtonClick(); });

  Quote_From_Vantrel_Label =
      label("Quote_From_Vantrel_Label", "Quote_From_Vantrel_Label", {8, 184, 181, 119});
  Quote_From_Vantrel_Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Quote_From_Vantrel_Label->setWordWrap(true);

  QFont bold = Times_Font(15, true);
  Product_Name_Label = label("Product_Name_Label", "Product_Name_Label", {205, 15, 400, 18});
  Product_Name_Label->setFont(bold);
  Author_and_Date_Label = label("Author_and_Date_Label", "", {205, 44, 400, 18});
  Author_and_Date_Label->setFont(bold);
  Developed_Using_Label = label("Developed_Using_Label", "", {205, 73, 400, 18});
  Developed_Using_Label->setWordWrap(true);
  Copyright_Label = label("Copyright_Label", "", {205, 102, 400, 18});

  QFont donation_font = Times_Font(16);
  donation_font.setUnderline(true);
  PayPal_Donations_Label = click_label(
      "PayPal_Donations_Label",
      "Please support my efforts and encourage me to keep developing useful software by making "
      "a PayPal donation.",
      {206, 157, 312, 63}, [this] { behaviour_.PayPal_Donations_LabelClick(); });
  PayPal_Donations_Label->setFont(donation_font);
  PayPal_Donations_Label->setAlignment(Qt::AlignCenter);
  PayPal_Donations_Label->setWordWrap(true);
  Blue(PayPal_Donations_Label);
  PayPal_Image = click_label("PayPal_Image", "", {532, 166, 62, 31},
                             [this] { behaviour_.PayPal_Donations_LabelClick(); });

  Comments_Label = label("Comments_Label", "", {205, 230, 225, 18});
  Comments_Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  WEB_Page_Label = label("WEB_Page_Label", "", {205, 259, 225, 18});
  WEB_Page_Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Email_Address_Label = click_label("Email_Address_Label", "", {446, 216, 160, 20},
                                    [this] { behaviour_.Email_ButtonClick(); });
  WEB_Address_Label = click_label("WEB_Address_Label", "", {447, 250, 160, 20},
                                  [this] { behaviour_.WEB_ButtonClick(); });
  for (QLabel* l : {Email_Address_Label, WEB_Address_Label}) {
    l->setFont(Link_Font());
    Blue(l);
  }
  Email_Button = new QPushButton(g);
  Email_Button->setObjectName("Email_Button");
  Email_Button->setGeometry(438, 228, 169, 23);
  connect(Email_Button, &QPushButton::clicked, this, [this] { behaviour_.Email_ButtonClick(); });
  WEB_Button = new QPushButton(g);
  WEB_Button->setObjectName("WEB_Button");
  WEB_Button->setGeometry(438, 257, 169, 23);
  connect(WEB_Button, &QPushButton::clicked, this, [this] { behaviour_.WEB_ButtonClick(); });
  for (QPushButton* b : {Email_Button, WEB_Button}) b->setAutoDefault(false);

  PayPal_WEB_Address_Label = label("PayPal_WEB_Address_Label", "", {0, 0, 1, 1});
  PayPal_WEB_Address_Label->hide();

  Label3 = label("Label3", "Free System Resources :", {23, 308, 150, 18});
  Free_Resources_Label = label("Free_Resources_Label", "Free %", {179, 308, 60, 18});

  OKButton = new QPushButton("OK", g);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(257, 288, 100, 48);
  OKButton->setFont(Times_Font(19, true));
  OKButton->setIconSize(QSize(18, 19));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, [this] { behaviour_.OKButtonClick(); });

  Bevel3 = new QFrame(g);
  Bevel3->setObjectName("Bevel3");
  Bevel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Bevel3->setGeometry(448, 288, 157, 48);
  Badge_Logo =
      click_label("Badge_Logo", "", {452, 292, 149, 41}, [this] { behaviour_.WEB_ButtonClick(); });
  Badge_Logo->setScaledContents(true);
  Badge_Logo->setToolTip("Hey, don't poke me there !!");
  Badge_Label = click_label("Badge_Label", "Full of free space", {458, 296, 98, 32},
                            [this] { behaviour_.WEB_ButtonClick(); });
  Badge_Label->setFont(Arial_Font(13));
  Badge_Label->setAlignment(Qt::AlignCenter);
  Badge_Label->setWordWrap(true);
  Badge_Label->setAttribute(Qt::WA_TranslucentBackground);
  QPalette badge = Badge_Label->palette();
  badge.setColor(QPalette::WindowText, badge.color(QPalette::HighlightedText));
  Badge_Label->setPalette(badge);

  Quotes_From_Vantrel_ListBox = new QListWidget(g);
  Quotes_From_Vantrel_ListBox->setObjectName("Quotes_From_Vantrel_ListBox");
  for (const std::string& q : ui::About_Quotes()) Quotes_From_Vantrel_ListBox->addItem(Q(q));
  Quotes_From_Vantrel_ListBox->hide();

  Quote_Change_Timer = new QTimer(this);
  Quote_Change_Timer->setObjectName("Quote_Change_Timer");
  Quote_Change_Timer->setInterval(10000);
  connect(Quote_Change_Timer, &QTimer::timeout, this,
          [this] { behaviour_.Quote_Change_TimerTimer(); });
  Free_Resources_Timer = new QTimer(this);
  Free_Resources_Timer->setObjectName("Free_Resources_Timer");
  Free_Resources_Timer->setInterval(500);
  connect(Free_Resources_Timer, &QTimer::timeout, this,
          [this] { behaviour_.Free_Resources_TimerTimer(); });
}

void TAboutBox::Set_Field(ui::About_Field field, const std::string& text) {
  using ui::About_Field;
  QLabel* label = nullptr;
  switch (field) {
    case About_Field::Caption: setWindowTitle(Q(text)); return;
    case About_Field::Email_Address: Email_Button->setText(Q(text)); return;
    case About_Field::Web_Address: WEB_Button->setText(Q(text)); return;
    case About_Field::Product_Name: label = Product_Name_Label; break;
    case About_Field::Author_and_Date: label = Author_and_Date_Label; break;
    case About_Field::Developed_Using: label = Developed_Using_Label; break;
    case About_Field::Copyright: label = Copyright_Label; break;
    case About_Field::Comments_Lead_In: label = Comments_Label; break;
    case About_Field::Web_Page_Lead_In: label = WEB_Page_Label; break;
    case About_Field::Donation_Address: label = PayPal_WEB_Address_Label; break;
    case About_Field::Quote: label = Quote_From_Vantrel_Label; break;
    case About_Field::Free_Resources:
      Free_Resources_Label->setText(Q(text));
      Free_Resources_Label->adjustSize();
      return;
  }
  label->setText(Q(text));
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

void TAboutBox::Show_Links_As_Labels(const std::string& email_hint, const std::string& web_hint) {
  Email_Button->setToolTip(Q(email_hint));
  WEB_Button->setToolTip(Q(web_hint));
  Email_Button->hide();
  WEB_Button->hide();
  for (auto [label, button] :
       {std::pair{Email_Address_Label, Email_Button}, std::pair{WEB_Address_Label, WEB_Button}}) {
    label->setToolTip(button->toolTip());
    label->move(label->x(), button->y());
    label->setText(button->text());
    label->adjustSize();
  }
  for (QWidget* w : std::initializer_list<QWidget*>{
           Email_Address_Label, WEB_Address_Label, Badge_Label, Badge_Logo, Vantrel_Logo_GIFImage,
           Vantrel_Logo_Banner_Image, Bevel3, Bevel1, PayPal_Donations_Label, PayPal_Image}) {
    w->setCursor(Qt::PointingHandCursor);
  }
  Bevel3->lower();
  Bevel1->lower();
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
  Label3->adjustSize();
}

void TAboutBox::showEvent(QShowEvent* event) {
  Draw_Artwork();
  // Centred whenever shown.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
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
    behaviour_.OKButtonClick();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace keldra::ui
