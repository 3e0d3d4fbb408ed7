#pragma once
// A dialog built from its description: the window and its frame, every control
// kind made through one table, and the messages they send routed back as the
// description's commands (a click, a list's new selection, Enter on the default
// button, Escape, a timer). It also paints the frames the dialog draws on itself,
// colours the labels, and shows the hand pointer where described, so that a
// dialog adds only what is its own: the kinds it makes itself and its values.
#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"
#include "ui/win32/win32_fonts.h"
#include "ui/win32/window_class.h"
#include "ui/window_description.h"

namespace keldra::ui::win32 {

// The system's id of a described timer: its place in the description, from 1.
UINT_PTR Timer_Id(const Window_Description& d, const std::string& name);

class Described_Window {
 public:
  // A control of a kind the dialog makes itself, at its place with this id; it
  // returns the control's window (nullptr to make none).
  using Own_Maker = std::function<HWND(const Control_Description&, int id, RECT place)>;
  using Which = std::function<bool(const Control_Description&)>;

  Described_Window(const Window_Description& d, Fonts& fonts, int first_id);
  Described_Window(const Described_Window&) = delete;
  Described_Window& operator=(const Described_Window&) = delete;

  // Registers the class for T and makes the dialog, its client area as described.
  template <typename T>
  HWND Create(T* object);
  // A window its owner made itself (the main window, with its own frame).
  void Attach(HWND window) { hwnd_ = window; }
  HWND Window() const { return hwnd_; }
  // The menu bar as described, its items numbered from first_id in order; their
  // commands are routed as the controls' are.
  HMENU Build_Menu(int first_id);

  // Makes the controls `which` picks, in the description's order (the order Tab
  // visits them), each placed above the controls it overlaps that were described
  // before it, as the description lists them from the bottom up.
  void Build(const Which& which, const Own_Maker& own = {});

  HWND Control(const std::string& name) const { return controls_.at(name); }
  // The description of a control made here; nullptr for any other window.
  const Control_Description* Described_By(HWND control) const {
    const auto it = made_.find(control);
    return it == made_.end() ? nullptr : it->second;
  }
  const Window_Description& Description() const { return d_; }
  // The font, and a control's place in the window's client area (its group's offset
  // added), at the window's dots per inch.
  HFONT Font(const Font_Description& font, bool smooth = true);
  RECT Place(const Control_Description& c) const;
  RECT Place(const Box& b) const { return win32::Scaled(Rect_Of(b), dpi_); }
  int Dpi() const { return dpi_; }
  int Scaled(int design_pixels) const { return win32::Scaled(design_pixels, dpi_); }
  // Runs after the window moved to a screen of other dots per inch and its controls
  // were placed anew: for what the dialog placed or sized itself.
  void On_Rescaled(std::function<void()> rescaled) { rescaled_ = std::move(rescaled); }

  // Moves a control, by its description's coordinates.
  void Move(const std::string& name, int left, int top);
  // Gives a control its hint; giving it again replaces it. The window that shows
  // them is made with the first.
  void Hint(const std::string& name, const std::string& hint);
  HWND Hints();
  // Starts or stops the described timers; or one, at another period.
  void Run_Timers(bool running);
  void Set_Timer(const std::string& name, std::optional<int> period_ms);
  bool Timers_Running() const { return timers_running_; }

  // The messages the builder answers for the dialog; nullopt for the dialog's own.
  std::optional<LRESULT> Route(UINT msg, WPARAM wparam, LPARAM lparam,
                               const std::function<void(int)>& run);

 private:
  HWND Make(const Control_Description& c, int id, RECT place);
  void Paint_Frames();
  void Rescale(int dpi, const RECT& suggested);
  void Remember_Place(HWND w);
  bool Hand_At(HWND over) const;

  const Window_Description& d_;
  Fonts& fonts_;
  int next_id_;
  HWND hwnd_ = nullptr;
  HWND hints_ = nullptr;
  std::map<std::string, HWND> controls_;             // by name
  std::map<int, const Control_Description*> ids_;    // by control id
  std::map<HWND, const Control_Description*> made_;  // by window
  std::map<int, int> menu_commands_;                 // by item id
  std::map<HWND, RECT> design_places_;               // each control's, at 96 dots per inch
  std::set<HWND> fitted_;                            // the labels sized to their text
  std::function<void()> rescaled_;
  int dpi_;
  bool timers_running_ = false;
};

template <typename T>
HWND Described_Window::Create(T* object) {
  Register_Object_Class<T>(d_.class_name.c_str());
  RECT r{0, 0, Scaled(d_.client_width), Scaled(d_.client_height)};
  AdjustWindowRectEx(&r, Dialog_Style(d_.frame_kind), FALSE, Dialog_Ex_Style);
  hwnd_ =
      CreateWindowExA(Dialog_Ex_Style, d_.class_name.c_str(), d_.caption.c_str(),
                      Dialog_Style(d_.frame_kind), CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                      r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr), object);
  return hwnd_;
}

}  // namespace keldra::ui::win32
