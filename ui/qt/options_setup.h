#pragma once
// TOptions_Setup: the Qt face of the options dialog: its controls, their fixed
// texts and layout, and the wiring of their events to Options_Setup_Behaviour.
#include <QDialog>
#include <string>

#include "ui/options_setup_behaviour.h"
#include "ui/options_setup_view.h"
#include "ui/qt/described_controls.h"

class QTimer;

namespace keldra::ui {

class TOptions_Setup : public QDialog, public Options_Setup_View {
  Q_OBJECT

 public:
  TOptions_Setup(Options_Setup_Behaviour& behaviour, const std::string& decimal_separator,
                 QWidget* parent = nullptr);

  // Options_Setup_View
  void Show_Entries(const std::vector<std::string>& entries) override;
  void Show_Interval_Text(const std::string& text) override;
  void Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                    std::optional<std::size_t> current) override;
  void Show_Drive_Limit(int limit) override;
  void Show_Total_Checked(bool on) override;
  void Show_Always_On_Top_Checked(bool on) override;
  bool Checked(const std::string& name) const override;
  void Show_Modal() override { exec(); }
  void Close() override;
  std::optional<int> Selected_Entry() const override;

  // A control by its described name.
  template <typename T>
  T* Control(const std::string& name) const {
    return Named<T>(*this, name);
  }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void Run_Command(int command) { behaviour_.Run_Command(command); }
  QTimer* Chooser_Timer() const;

  Options_Setup_Behaviour& behaviour_;
  bool shown_before_ = false;
};

}  // namespace keldra::ui
