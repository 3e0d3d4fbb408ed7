#pragma once
// The window manager's keep-above state of a live window, and the show states a
// launcher can ask for. Changed in place: the window is never re-created, moved
// or activated for it.
class QWidget;

namespace keldra::ui {

class Window_Stacking {
 public:
  virtual ~Window_Stacking() = default;
  // Applied on every call, even when the window is already in that state.
  virtual void Set_Keep_Above(QWidget& window, bool above) = 0;
  // A Windows show command (SW_*) applied to the window.
  virtual void Show_Window(QWidget& window, int show_command) = 0;
};

// The desktop's own: _NET_WM_STATE_ABOVE on X11. Elsewhere (Wayland, offscreen) the
// request goes to Qt, which passes it on where the platform has such a thing.
class Desktop_Window_Stacking final : public Window_Stacking {
 public:
  void Set_Keep_Above(QWidget& window, bool above) override;
  void Show_Window(QWidget& window, int show_command) override;
};

}  // namespace keldra::ui
