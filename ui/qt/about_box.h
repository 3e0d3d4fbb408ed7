#pragma once
// TAboutBox: the Qt face of the About box: its controls, artwork and layout, and
// the wiring of their events to About_Box_Behaviour. Built the first time it is
// shown, modally from the Help menu, hidden again (never destroyed) when closed.
#include <QDialog>
#include <functional>
#include <string>

#include "ui/about_box_behaviour.h"
#include "ui/about_box_view.h"
#include "ui/qt/described_controls.h"

namespace keldra::ui {

class TAboutBox : public QDialog, public ui::About_Box_View {
  Q_OBJECT

 public:
  explicit TAboutBox(ui::About_Box_Behaviour& behaviour, QWidget* parent = nullptr);

  // ui::About_Box_View
  void Set_Field(ui::About_Field field, const std::string& text) override;
  void Set_Running(bool running) override;
  void Show_Control(const std::string& name, bool shown) override;
  void Move_Control(const std::string& name, int left, int top) override;
  void Set_Control_Text(const std::string& name, const std::string& text) override;
  void Set_Control_Hint(const std::string& name, const std::string& hint) override;
  void Show_Modal() override { exec(); }
  void Close() override { accept(); }

  // A control by its described name.
  template <typename T>
  T* Control(const std::string& name) const {
    return Named<T>(*this, name);
  }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Draw_Artwork();
  bool shown_before_ = false;
  ui::About_Box_Behaviour& behaviour_;
  bool artwork_drawn_ = false;
};

}  // namespace keldra::ui
