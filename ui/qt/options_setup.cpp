#include "ui/qt/options_setup.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

#include "ui/options_setup_description.h"
#include "ui/qt/described_controls.h"
#include "ui/qt/drive_chooser.h"
#include "ui/qt/fonts.h"
#include "ui/qt/spin_edit.h"

namespace keldra::ui {

TOptions_Setup::TOptions_Setup(Options_Setup_Behaviour& behaviour,
                               const std::string& decimal_separator, QWidget* parent)
    : QDialog(parent, Dialog_Flags(Options_Setup_Description().frame_kind)), behaviour_(behaviour) {
  const Window_Description& d = Options_Setup_Description();
  setObjectName(QString::fromStdString(d.name));
  setWindowTitle(QString::fromStdString(d.caption));
  setFont(Font_Of(d.font, font()));
  setFixedSize(d.client_width, d.client_height);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Colour_Of(d.background, pal, QPalette::Window));
  setPalette(pal);
  setAutoFillBackground(true);
  Create_Controls(decimal_separator);
}

void TOptions_Setup::Run_Command(int command) { behaviour_.Run_Command(command); }

void TOptions_Setup::Close() { accept(); }

void TOptions_Setup::Create_Fixed_Texts() {
  const Window_Description& d = Options_Setup_Description();
  for (const Control_Description& c : d.controls) {
    const bool fixed = c.name.empty() || c.name == options_setup_names::Arrow_Label;
    if (!fixed) continue;
    QWidget* w = Make_Described(c, this, font(), [](int) {});
    if (c.kind == Control_Kind::Frame) {
      w->lower();  // behind everything else
    } else if (c.name == options_setup_names::Arrow_Label) {
      // The arrow runs from the Add button to the list.
      QFont arrow = w->font();
      arrow.setLetterSpacing(QFont::AbsoluteSpacing,
                             Arrow_Letter_Spacing(QFontMetrics(arrow).horizontalAdvance(
                                 QString::fromStdString(c.text))));
      w->setFont(arrow);
      static_cast<QLabel*>(w)->adjustSize();
    }
  }
}

void TOptions_Setup::Create_Controls(const std::string& decimal_separator) {
  const Window_Description& d = Options_Setup_Description();
  const auto command = [this](int c) { Run_Command(c); };
  std::vector<QWidget*> tab_order;
  for (const Control_Description& c : d.controls) {
    if (c.name.empty() || c.name == options_setup_names::Arrow_Label)
      continue;  // made when first shown
    QWidget* w = nullptr;
    bool described = false;
    switch (c.kind) {
      case Control_Kind::Drive_Chooser:
        w = DriveComboBox1 =
            new Drive_Chooser([this](std::size_t i) { behaviour_.DriveComboBox1Pick(i); }, this);
        break;
      case Control_Kind::List_Box:
        w = ListBox1 = new QListWidget(this);
        ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
        ListBox1->setUniformItemSizes(true);
        ListBox1->installEventFilter(this);
        // A click, or a move of the selection from the keyboard, offers to remove.
        connect(ListBox1, &QListWidget::itemClicked, this,
                [this, cmd = c.click] { Run_Command(cmd); });
        connect(ListBox1, &QListWidget::currentRowChanged, this, [this, cmd = c.click](int) {
          if (keyboard_moved_) {
            keyboard_moved_ = false;
            Run_Command(cmd);
          }
        });
        break;
      case Control_Kind::Spin_Edit:
        w = SpinEdit1 = new Spin_Edit(
            QString::fromStdString(decimal_separator),
            [this](const std::string& text) { behaviour_.SpinEdit1Change(text); }, this);
        break;
      case Control_Kind::Number_Display: {
        w = Max_Drives_SpinEdit = new QSpinBox(this);
        Max_Drives_SpinEdit->setRange(Drive_Limit_Range.first, Drive_Limit_Range.second);
        Max_Drives_SpinEdit->setValue(behaviour_.Drive_Limit());
        Max_Drives_SpinEdit->setReadOnly(true);
        Max_Drives_SpinEdit->setEnabled(false);
        Max_Drives_SpinEdit->setFocusPolicy(Qt::NoFocus);
        QPalette limit = Max_Drives_SpinEdit->palette();
        for (QPalette::ColorGroup g : {QPalette::Disabled, QPalette::Active, QPalette::Inactive}) {
          limit.setColor(g, QPalette::Text, Colour_Of(c.text_colour, limit, QPalette::Text));
          limit.setColor(g, QPalette::Base, Colour_Of(c.background, limit, QPalette::Base));
        }
        Max_Drives_SpinEdit->setPalette(limit);
        break;
      }
      default:
        w = Make_Described(c, this, font(), command);
        described = true;  // as it was made
        break;
    }
    if (w == nullptr) continue;
    if (!described) Apply_Description(*w, c, font());
    if (c.kind != Control_Kind::Number_Display) tab_order.push_back(w);
  }
  AddButton = findChild<QPushButton*>(options_setup_names::AddButton);
  OKButton = findChild<QPushButton*>(options_setup_names::OKButton);
  Show_Total_of_All_Drives_CheckBox =
      findChild<QCheckBox*>(options_setup_names::Show_Total_of_All_Drives_CheckBox);
  Always_On_Top_CheckBox = findChild<QCheckBox*>(options_setup_names::Always_On_Top_CheckBox);
  connect(Show_Total_of_All_Drives_CheckBox, &QCheckBox::toggled, this,
          [this](bool on) { behaviour_.Show_Total_CheckBoxClick(on); });
  connect(Always_On_Top_CheckBox, &QCheckBox::toggled, this,
          [this](bool on) { behaviour_.Always_On_Top_CheckBoxClick(on); });
  const Timer_Description& timer = d.Timer(options_setup_names::Chooser_Timer);
  Chooser_Timer = new QTimer(this);
  Chooser_Timer->setObjectName(QString::fromStdString(timer.name));
  Chooser_Timer->setInterval(timer.interval_ms);
  connect(Chooser_Timer, &QTimer::timeout, this, [this, cmd = timer.command] { Run_Command(cmd); });
  for (std::size_t i = 1; i < tab_order.size(); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);
}

// --- the controls as the behaviour sees them ---

void TOptions_Setup::Show_Entries(const std::vector<std::string>& entries) {
  const QSignalBlocker quiet(ListBox1);  // told, not chosen
  ListBox1->clear();
  for (const std::string& text : entries) {
    // The entries are bytes; Latin-1 keeps every byte as one character.
    auto* item =
        new QListWidgetItem(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
    item->setSizeHint(
        QSize(0, Options_Setup_Description().Control(options_setup_names::ListBox1).item_height));
    ListBox1->addItem(item);
  }
  ListBox1->setCurrentRow(-1);
}

std::optional<int> TOptions_Setup::Selected_Entry() const {
  const QListWidgetItem* item = ListBox1->currentItem();
  if (item == nullptr) return std::nullopt;
  return ListBox1->row(item);
}

void TOptions_Setup::Show_Interval_Text(const std::string& text) {
  SpinEdit1->Editor()->setText(QString::fromStdString(text));
}

void TOptions_Setup::Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                                  std::optional<std::size_t> current) {
  DriveComboBox1->Show(entries, current);
}

void TOptions_Setup::Show_Drive_Limit(int limit) { Max_Drives_SpinEdit->setValue(limit); }
void TOptions_Setup::Show_Total_Checked(bool on) {
  const QSignalBlocker quiet(Show_Total_of_All_Drives_CheckBox);  // told, not clicked
  Show_Total_of_All_Drives_CheckBox->setChecked(on);
}
void TOptions_Setup::Show_Always_On_Top_Checked(bool on) {
  const QSignalBlocker quiet(Always_On_Top_CheckBox);  // told, not clicked
  Always_On_Top_CheckBox->setChecked(on);
}

void TOptions_Setup::showEvent(QShowEvent* event) {
  behaviour_.Fill_Chooser();
  Chooser_Timer->start();
  if (!shown_before_) {
    // The fixed texts and frames are made when first needed: their large fonts
    // would only slow the main window's first appearance.
    Create_Fixed_Texts();
  }
  behaviour_.FormActivate();  // activation follows at once; the limit text must not wait for it
  Place_As_Described(*this, Options_Setup_Description(), !shown_before_);
  shown_before_ = true;
  QDialog::showEvent(event);
}

void TOptions_Setup::hideEvent(QHideEvent* event) {
  Chooser_Timer->stop();
  QDialog::hideEvent(event);
}

bool TOptions_Setup::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) behaviour_.FormActivate();
  return QDialog::event(e);
}

void TOptions_Setup::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    Run_Command(Options_Setup_Description().escape_command);
    return;
  }
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
