#include "ui/qt/options_setup.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
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
#include "ui/qt/spin_edit.h"

namespace keldra::ui {

namespace {

const Window_Description& Described() { return Options_Setup_Description(); }

// The texts and frames that never change are made when the dialog is first shown:
// their large fonts would only slow the main window's first appearance.
bool Fixed(const Control_Description& c) {
  return c.name.empty() || c.name == options_setup_names::Arrow_Label;
}

}  // namespace

TOptions_Setup::TOptions_Setup(Options_Setup_Behaviour& behaviour,
                               const std::string& decimal_separator, QWidget* parent)
    : QDialog(parent, Dialog_Flags(Described().frame_kind)), behaviour_(behaviour) {
  const auto run = [this](int command) { Run_Command(command); };
  Describe_Dialog(*this, Described(), run);
  Build_Described(
      *this, Described(), [](const Control_Description& c) { return !Fixed(c); }, run,
      [this, &decimal_separator](const Control_Description& c, QWidget* parent) -> QWidget* {
        if (c.kind == Control_Kind::Drive_Chooser)
          return new Drive_Chooser([this](std::size_t i) { behaviour_.DriveComboBox1Pick(i); },
                                   parent);
        if (c.kind != Control_Kind::Spin_Edit) return nullptr;
        return new Spin_Edit(
            QString::fromStdString(decimal_separator),
            [this](const std::string& text) { behaviour_.SpinEdit1Change(text); }, parent);
      });
  Show_Drive_Limit(behaviour_.Drive_Limit());
}

bool TOptions_Setup::Checked(const std::string& name) const {
  return Control<QCheckBox>(name)->isChecked();
}

void TOptions_Setup::Close() { accept(); }

QTimer* TOptions_Setup::Chooser_Timer() const {
  return Control<QTimer>(options_setup_names::Chooser_Timer);
}

// --- the controls as the behaviour sees them ---

void TOptions_Setup::Show_Entries(const std::vector<std::string>& entries) {
  auto* list = Control<QListWidget>(options_setup_names::ListBox1);
  const QSignalBlocker quiet(list);  // told, not chosen
  list->clear();
  for (const std::string& text : entries) {
    // The entries are bytes; Latin-1 keeps every byte as one character.
    auto* item =
        new QListWidgetItem(QString::fromLatin1(text.data(), static_cast<int>(text.size())));
    item->setSizeHint(QSize(0, Described().Control(options_setup_names::ListBox1).item_height));
    list->addItem(item);
  }
  list->setCurrentRow(-1);
}

std::optional<int> TOptions_Setup::Selected_Entry() const {
  const auto* list = Control<QListWidget>(options_setup_names::ListBox1);
  const QListWidgetItem* item = list->currentItem();
  if (item == nullptr) return std::nullopt;
  return list->row(item);
}

void TOptions_Setup::Show_Interval_Text(const std::string& text) {
  Control<Spin_Edit>(options_setup_names::SpinEdit1)
      ->Editor()
      ->setText(QString::fromStdString(text));
}

void TOptions_Setup::Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                                  std::optional<std::size_t> current) {
  Control<Drive_Chooser>(options_setup_names::DriveComboBox1)->Show(entries, current);
}

void TOptions_Setup::Show_Drive_Limit(int limit) {
  Control<QSpinBox>(options_setup_names::Max_Drives_SpinEdit)->setValue(limit);
}

// Told, not clicked: the switches' own signals stay quiet.
void TOptions_Setup::Show_Total_Checked(bool on) {
  auto* box = Control<QCheckBox>(options_setup_names::Show_Total_of_All_Drives_CheckBox);
  const QSignalBlocker quiet(box);
  box->setChecked(on);
}
void TOptions_Setup::Show_Always_On_Top_Checked(bool on) {
  auto* box = Control<QCheckBox>(options_setup_names::Always_On_Top_CheckBox);
  const QSignalBlocker quiet(box);
  box->setChecked(on);
}

void TOptions_Setup::showEvent(QShowEvent* event) {
  behaviour_.Fill_Chooser();
  Chooser_Timer()->start();
  if (!shown_before_) {
    Build_Described(*this, Described(), Fixed, [](int) {});
    // The arrow runs from the Add button to the list.
    auto* arrow = Control<QLabel>(options_setup_names::Arrow_Label);
    QFont spaced = arrow->font();
    spaced.setLetterSpacing(
        QFont::AbsoluteSpacing,
        Arrow_Letter_Spacing(QFontMetrics(spaced).horizontalAdvance(arrow->text())));
    arrow->setFont(spaced);
    arrow->adjustSize();
  }
  behaviour_.FormActivate();  // activation follows at once; the limit text must not wait for it
  Place_As_Described(*this, Described(), !shown_before_);
  shown_before_ = true;
  QDialog::showEvent(event);
}

void TOptions_Setup::hideEvent(QHideEvent* event) {
  Chooser_Timer()->stop();
  QDialog::hideEvent(event);
}

bool TOptions_Setup::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) behaviour_.FormActivate();
  return QDialog::event(e);
}

}  // namespace keldra::ui
