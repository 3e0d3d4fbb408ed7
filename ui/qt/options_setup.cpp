#include "ui/qt/options_setup.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>

#include "ui/qt/drive_chooser.h"
#include "ui/qt/fonts.h"
#include "ui/qt/spin_edit.h"

namespace keldra::ui {
namespace {

constexpr int kClientWidth = 463;
constexpr int kClientHeight = 435;

QLabel* Text(QWidget* parent, const QString& text, int left, int top, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->move(left, top);
  label->adjustSize();
  label->show();
  return label;
}

void Black_Text(QWidget* w) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, Qt::black);
  w->setPalette(p);
}

}  // namespace

TOptions_Setup::TOptions_Setup(const platform::Drive_Table& table, platform::Message_Boxes& boxes,
                               const std::string& decimal_separator, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      table_(table),
      behaviour_(*this, boxes) {
  setObjectName("Options_Setup");
  setWindowTitle("Keldra Options Setup :");
  setFont(System_Font(13));
  setFixedSize(kClientWidth, kClientHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Button));
  setPalette(pal);
  setAutoFillBackground(true);
  Create_Controls(decimal_separator);
}

void TOptions_Setup::Create_Fixed_Texts() {
  // The sunken frames first, so that everything else lies on top of them.
  const QRect frames[] = {
      {8, 8, 449, 169}, {8, 184, 449, 41}, {8, 232, 449, 41}, {8, 284, 449, 45}, {8, 340, 449, 45}};
  for (const QRect& r : frames) {
    auto* f = new QFrame(this);
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setGeometry(r);
    f->lower();
    f->show();
  }
  const QFont dialog_font = font();
  Text(this, "Drives being Monitored :", 232, 16, dialog_font);
  auto* hint = new QLabel("Click on drive to remove it.", this);
  hint->setGeometry(364, 56, 81, 91);
  hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  hint->setWordWrap(true);
  hint->show();
  // The arrow runs from the Add button to the list; the stand-in face is wider than
  // the one it replaces, so its letters close up until the head meets the list.
  QFont arrow_font = System_Font(35, true);
  const int natural = QFontMetrics(arrow_font).horizontalAdvance("------------>");
  const int room = 264 - 136 - 2;
  if (natural > room) {
    arrow_font.setLetterSpacing(QFont::AbsoluteSpacing, -static_cast<qreal>(natural - room) / 12.0);
  }
  Black_Text(Text(this, "------------>", 136, 64, arrow_font));
  Black_Text(Text(this, "|", 136, 48, Arial_Font(29, true)));
  Text(this, "Maximum Drives you can monitor :", 24, 196, dialog_font);
  Text(this, "Refresh Drive status every :", 24, 245, dialog_font);
  Text(this, "(Seconds)", 328, 245, dialog_font);
}

void TOptions_Setup::Create_Controls(const std::string& decimal_separator) {
  DriveComboBox1 = new Drive_Chooser(table_, this);
  DriveComboBox1->setObjectName("DriveComboBox1");
  DriveComboBox1->setGeometry(24, 24, 145, 22);

  AddButton = new QPushButton("Add Drive", this);
  AddButton->setObjectName("AddButton");
  AddButton->setGeometry(24, 64, 97, 33);
  AddButton->setToolTip("Add the currently selected drive to the list being monitored.");
  connect(AddButton, &QPushButton::clicked, this, [this] { behaviour_.AddButtonClick(); });

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(264, 40, 89, 129);
  ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox1->setSortingEnabled(true);
  ListBox1->setUniformItemSizes(true);
  ListBox1->installEventFilter(this);
  // A click, or a move of the selection from the keyboard, offers to remove.
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { behaviour_.ListBox1Click(); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int) {
    if (keyboard_moved_) {
      keyboard_moved_ = false;
      behaviour_.ListBox1Click();
    }
  });

  SpinEdit1 = new Spin_Edit(QString::fromStdString(decimal_separator), this);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setGeometry(264, 240, 57, 26);

  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(186, 396, 89, 33);
  connect(OKButton, &QPushButton::clicked, this, [this] { accept(); });

  Max_Drives_SpinEdit = new QSpinBox(this);
  Max_Drives_SpinEdit->setObjectName("Max_Drives_SpinEdit");
  Max_Drives_SpinEdit->setGeometry(264, 191, 57, 26);
  Max_Drives_SpinEdit->setRange(0, 100);
  Max_Drives_SpinEdit->setValue(20);
  Max_Drives_SpinEdit->setReadOnly(true);
  Max_Drives_SpinEdit->setEnabled(false);
  Max_Drives_SpinEdit->setFocusPolicy(Qt::NoFocus);
  Max_Drives_SpinEdit->setFont(System_Font(13, true));
  QPalette limit = Max_Drives_SpinEdit->palette();
  for (QPalette::ColorGroup g : {QPalette::Disabled, QPalette::Active, QPalette::Inactive}) {
    limit.setColor(g, QPalette::Text, Qt::black);
    limit.setColor(g, QPalette::Base, QColor(212, 208, 200));  // inactive caption text
  }
  Max_Drives_SpinEdit->setPalette(limit);

  Show_Total_of_All_Drives_CheckBox = new QCheckBox("Show Total of All Drives", this);
  Show_Total_of_All_Drives_CheckBox->setObjectName("Show_Total_of_All_Drives_CheckBox");
  Show_Total_of_All_Drives_CheckBox->setGeometry(20, 296, 417, 17);
  Always_On_Top_CheckBox = new QCheckBox("Keldra Window Always On Top", this);
  Always_On_Top_CheckBox->setObjectName("Always_On_Top_CheckBox");
  Always_On_Top_CheckBox->setGeometry(20, 352, 429, 17);

  // No default button: Enter presses nothing.
  for (QPushButton* b : {AddButton, OKButton}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  setTabOrder(DriveComboBox1, AddButton);
  setTabOrder(AddButton, ListBox1);
  setTabOrder(ListBox1, SpinEdit1);
  setTabOrder(SpinEdit1, OKButton);
  setTabOrder(OKButton, Show_Total_of_All_Drives_CheckBox);
  setTabOrder(Show_Total_of_All_Drives_CheckBox, Always_On_Top_CheckBox);
}

// --- the controls as the behaviour sees them ---

int TOptions_Setup::Entry_Count() const { return ListBox1->count(); }

std::string TOptions_Setup::Entry(int index) const {
  const QByteArray bytes = ListBox1->item(index)->text().toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void TOptions_Setup::Clear_Entries() { ListBox1->clear(); }

void TOptions_Setup::Add_Entry(const std::string& text) {
  // The entries are bytes; Latin-1 keeps every byte as one character and back.
  auto* item = new QListWidgetItem(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
  item->setSizeHint(QSize(0, 16));  // entries are 16 pixels high
  ListBox1->addItem(item);
}

void TOptions_Setup::Remove_Entry(int index) { delete ListBox1->takeItem(index); }

std::optional<int> TOptions_Setup::Selected_Entry() const {
  const QListWidgetItem* item = ListBox1->currentItem();
  if (item == nullptr) return std::nullopt;
  return ListBox1->row(item);
}

int TOptions_Setup::Interval_Seconds() const { return SpinEdit1->Value(); }
void TOptions_Setup::Set_Interval_Seconds(int seconds) { SpinEdit1->Set_Value(seconds); }
std::optional<char> TOptions_Setup::Current_Drive() const {
  return DriveComboBox1->Current_Drive();
}
int TOptions_Setup::Drive_Limit() const { return Max_Drives_SpinEdit->value(); }
void TOptions_Setup::Set_Drive_Limit(int limit) { Max_Drives_SpinEdit->setValue(limit); }
bool TOptions_Setup::Show_Total_Checked() const {
  return Show_Total_of_All_Drives_CheckBox->isChecked();
}
void TOptions_Setup::Set_Show_Total_Checked(bool on) {
  Show_Total_of_All_Drives_CheckBox->setChecked(on);
}
bool TOptions_Setup::Always_On_Top_Checked() const { return Always_On_Top_CheckBox->isChecked(); }
void TOptions_Setup::Set_Always_On_Top_Checked(bool on) { Always_On_Top_CheckBox->setChecked(on); }

void TOptions_Setup::showEvent(QShowEvent* event) {
  DriveComboBox1->Ensure_Filled();
  if (!shown_before_) {
    // The fixed texts and frames are made when first needed: their large fonts
    // would only slow the main window's first appearance.
    Create_Fixed_Texts();
  }
  behaviour_.FormActivate();  // activation follows at once; the limit text must not wait for it
  if (!shown_before_) {
    shown_before_ = true;
    // Centred on the screen the first time; later where the user left it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
  }
  QDialog::showEvent(event);
}

bool TOptions_Setup::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) behaviour_.FormActivate();
  return QDialog::event(e);
}

void TOptions_Setup::keyPressEvent(QKeyEvent* e) {
  // There is no Cancel: Escape does not close the dialog behind the user's back.
  if (e->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(e);
}

bool TOptions_Setup::eventFilter(QObject* watched, QEvent* e) {
  if (watched == ListBox1 && e->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(e)->key();
    keyboard_moved_ = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home ||
                      key == Qt::Key_End || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
                      (!static_cast<QKeyEvent*>(e)->text().isEmpty());
  }
  return QDialog::eventFilter(watched, e);
}

}  // namespace keldra::ui
