#pragma once
// The main window as its behaviour sees it, whatever draws it: the rows and the
// client height the refresh pass fills, the outer frame's place and the client
// width, keeping above, show states, the menu's marks, the caption, the activity
// indicator and Timer1.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "monitor/drive_rows.h"

namespace keldra::ui {

enum class Menu_Mark_Item { Always_On_Top, Auto_Run };

class Main_Form_View : public monitor::Drive_Rows {
 public:
  // Once a pass is over, also when it stopped at a bad slot, after the rows'
  // held changes of visibility have reached the window.
  virtual void Rows_Updated() = 0;
  // The outer frame's top-left in screen pixels: as last asked for until the
  // window system confirms the move.
  virtual int Frame_Left() const = 0;
  virtual int Frame_Top() const = 0;
  virtual void Move_Frame(int left, int top) = 0;
  virtual int Client_Width() const = 0;
  // Set as given; the behaviour keeps it within the bounds.
  virtual void Set_Client_Width(int width) = 0;
  // The narrowest client the window system lets the window have (its menu bar's
  // width, its smallest frame).
  virtual int Narrowest_Client_Width() const = 0;
  // Applied on every call, even when the window is already in that state.
  virtual void Set_Keep_Above(bool above) = 0;
  // A Windows show command (SW_*), as a launcher asks for one.
  virtual void Show_Window(int show_command) = 0;
  // Out of the minimised or maximised state; `then` runs once the window system has
  // left it (at once where it does so at once, and in any case within three
  // seconds), so that the window is then placed as a normal one. Nothing waits.
  virtual void Restore_Normal_State(std::function<void()> then) = 0;
  virtual void Show_Mark(Menu_Mark_Item item, bool checked) = 0;
  // The title bar and taskbar text; the window keeps no hint of its own.
  virtual void Set_Window_Caption(const std::string& caption) = 0;
  virtual void Set_Spinner_Text(const std::string& text) = 0;
  // Asks the window to close, as its close box does: the close query follows.
  virtual void Request_Close() = 0;
  // Timer1 ticks every period from now on (counted afresh); none stops it.
  virtual void Set_Ticks(std::optional<int> period_ms) = 0;
};

}  // namespace keldra::ui
