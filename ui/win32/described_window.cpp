#include "ui/win32/described_window.h"

#include <algorithm>

#include "ui/win32/controls.h"

namespace keldra::ui::win32 {
namespace {

DWORD Static_Style(const Control_Description& c) {
  const DWORD align = c.align == Text_Align::Centre  ? SS_CENTER
                      : c.align == Text_Align::Right ? SS_RIGHT
                                                     : SS_LEFT;
  return align | (c.click != No_Command ? SS_NOTIFY : 0);
}

bool Drawn_On_Window(Control_Kind kind) {
  return kind == Control_Kind::Group || kind == Control_Kind::Raised_Frame ||
         kind == Control_Kind::Frame;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != FALSE;
}

}  // namespace

// Made on the screen it will first be shown on, at that screen's dots per inch.
Described_Window::Described_Window(const Window_Description& d, Fonts& fonts, int first_id)
    : d_(d), fonts_(fonts), next_id_(first_id), dpi_(Window_Dpi(nullptr)) {}

HFONT Described_Window::Font(const Font_Description& f, bool smooth) {
  const Font_Description& face = f.face.empty() ? d_.font : f;
  return fonts_.Get(face.face, Scaled(face.height), {face.bold, face.underline}, smooth);
}

HMENU Described_Window::Build_Menu(int first_id) {
  HMENU bar = CreateMenu();
  int id = first_id;
  for (const Menu_Description& m : d_.menus) {
    HMENU menu = CreatePopupMenu();
    for (const Menu_Item_Description& item : m.items) {
      if (item.caption == "-") {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        continue;
      }
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(id), item.caption.c_str());
      menu_commands_[id++] = item.command;
    }
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), m.caption.c_str());
  }
  return bar;
}

RECT Described_Window::Place(const Control_Description& c) const {
  return win32::Scaled(Rect_Of(d_.Client_Box(c)), dpi_);
}

void Described_Window::Build(const Which& which, const Own_Maker& own) {
  for (const Control_Description& c : d_.controls) {
    if (!which(c)) continue;
    const int id = c.is_default ? IDOK : next_id_++;
    const RECT place = Place(c);
    HWND w = own ? own(c, id, place) : nullptr;
    const bool own_made = w != nullptr;  // sized by the window that made it
    if (!own_made) w = Make(c, id, place);
    if (w == nullptr) continue;
    Set_Font(w, Font(c.font));
    if (c.auto_size && !own_made) {
      Fit_To_Text(w);
      fitted_.insert(w);
    }
    Remember_Place(w);
    if (!c.name.empty()) controls_[c.name] = w;
    if (c.show_hint) Hint(c.name, c.hint);
    ids_[GetDlgCtrlID(w)] = &c;
    made_[w] = &c;
    // The system stacks earlier children above later ones; the description lists
    // them from the bottom up. A control goes just above the highest of the earlier
    // ones it overlaps, and only there, so that Tab still visits them as described.
    for (HWND z = GetWindow(hwnd_, GW_CHILD); z != nullptr; z = GetWindow(z, GW_HWNDNEXT)) {
      const auto earlier = made_.find(z);
      if (z == w || earlier == made_.end() || !Overlap(Place(*earlier->second), place)) continue;
      HWND above = GetWindow(z, GW_HWNDPREV);
      SetWindowPos(w, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    }
  }
}

HWND Described_Window::Make(const Control_Description& c, int id, RECT r) {
  const DWORD shown = c.visible ? WS_VISIBLE : 0;
  const auto make = [&](const char* cls, DWORD style, DWORD ex_style = 0) {
    const char* text = c.kind == Control_Kind::Picture ? "" : c.text.c_str();  // a name
    return Make_Control(hwnd_, cls, text, shown | style, id, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, ex_style);
  };
  switch (c.kind) {
    case Control_Kind::Label: return make("STATIC", Static_Style(c));
    case Control_Kind::Picture: return make("STATIC", SS_OWNERDRAW | SS_NOTIFY);
    case Control_Kind::Number_Display:
      // Shown, never edited and never focused.
      return make("STATIC", SS_LEFT | SS_CENTERIMAGE, WS_EX_CLIENTEDGE);
    case Control_Kind::Picture_Button: return make("BUTTON", BS_PUSHBUTTON);
    case Control_Kind::Button:
      return make("BUTTON", WS_TABSTOP | (c.is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
    case Control_Kind::Check_Box: return make("BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX);
    case Control_Kind::List_Box: {
      HWND list = make(
          "LISTBOX",
          WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
          WS_EX_CLIENTEDGE);
      SendMessageA(list, LB_SETITEMHEIGHT, 0, Scaled(c.item_height));
      return list;
    }
    case Control_Kind::Hidden_List: return make("LISTBOX", LBS_HASSTRINGS);
    default: return nullptr;  // frames are drawn on the window; other kinds are its own
  }
}

void Described_Window::Move(const std::string& name, int left, int top) {
  Control_Description moved = d_.Control(name);
  moved.box.left = left;
  moved.box.top = top;
  const RECT r = Place(moved);
  HWND w = controls_.at(name);
  SetWindowPos(w, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Remember_Place(w);
}

void Described_Window::Remember_Place(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  design_places_[w] = {Unscaled(r.left, dpi_), Unscaled(r.top, dpi_), Unscaled(r.right, dpi_),
                       Unscaled(r.bottom, dpi_)};
}

void Described_Window::Rescale(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& [w, design] : design_places_) {
    const RECT r = win32::Scaled(design, dpi_);
    SetWindowPos(w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Set_Font(w, Font(made_.at(w)->font));
    if (fitted_.count(w) != 0) Fit_To_Text(w);  // its text in the new font, not stretched
  }
  if (rescaled_) rescaled_();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND Described_Window::Hints() {
  if (hints_ == nullptr) hints_ = Create_Hints();
  return hints_;
}

void Described_Window::Hint(const std::string& name, const std::string& hint) {
  Add_Hint(Hints(), hwnd_, controls_.at(name), hint);
}

void Described_Window::Run_Timers(bool running) {
  timers_running_ = running;
  for (const Timer_Description& t : d_.timers)
    Set_Timer(t.name, running ? std::optional<int>(t.interval_ms) : std::nullopt);
}

UINT_PTR Timer_Id(const Window_Description& d, const std::string& name) {
  return static_cast<UINT_PTR>(&d.Timer(name) - d.timers.data()) + 1;
}

void Described_Window::Set_Timer(const std::string& name, std::optional<int> period_ms) {
  const UINT_PTR id = Timer_Id(d_, name);
  KillTimer(hwnd_, id);
  if (period_ms) SetTimer(hwnd_, id, static_cast<UINT>(*period_ms), nullptr);
}

void Described_Window::Paint_Frames() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  for (const Control_Description& c : d_.controls) {
    RECT r = Place(c);
    if (c.kind == Control_Kind::Group) DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
    if (c.kind == Control_Kind::Raised_Frame) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (c.kind == Control_Kind::Frame) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  }
  EndPaint(hwnd_, &ps);
}

bool Described_Window::Hand_At(HWND over) const {
  const auto it = made_.find(over);
  if (it != made_.end()) return it->second->hand_cursor;
  if (over != hwnd_) return false;
  // A frame drawn on the window itself.
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd_, &p);
  return std::any_of(d_.controls.begin(), d_.controls.end(), [&](const Control_Description& c) {
    const RECT r = Place(c);
    return c.hand_cursor && Drawn_On_Window(c.kind) && PtInRect(&r, p);
  });
}

std::optional<LRESULT> Described_Window::Route(UINT msg, WPARAM wparam, LPARAM lparam,
                                               const std::function<void(int)>& run) {
  switch (msg) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      const WORD code = HIWORD(wparam);
      if (id == IDCANCEL) {
        if (d_.escape_command != No_Command) run(d_.escape_command);
        return 0;
      }
      if (lparam == 0) {  // a menu item's
        const auto item = menu_commands_.find(id);
        if (item != menu_commands_.end()) run(item->second);
        return 0;
      }
      const auto it = ids_.find(id);
      if (it == ids_.end()) return 0;  // Enter with no default button presses nothing
      const Control_Description& c = *it->second;
      // A list's new selection, by mouse or keyboard; any other's click
      // (STN_CLICKED has BN_CLICKED's value).
      const bool acted =
          c.kind == Control_Kind::List_Box ? code == LBN_SELCHANGE : code == BN_CLICKED;
      if (acted && c.click != No_Command) run(c.click);
      return 0;
    }
    case WM_TIMER:
      if (wparam >= 1 && wparam <= d_.timers.size()) run(d_.timers[wparam - 1].command);
      return 0;
    case WM_SETCURSOR:
      if (!Hand_At(reinterpret_cast<HWND>(wparam))) return std::nullopt;
      SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
      return TRUE;
    case WM_PAINT: Paint_Frames(); return 0;
    case WM_DPICHANGED: Rescale(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam)); return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      Colour background = d_.background;
      const auto it = made_.find(reinterpret_cast<HWND>(lparam));
      if (it != made_.end()) {
        const Control_Description& c = *it->second;
        if (c.text_colour.role != Colour_Role::Inherit)
          SetTextColor(dc, Colour_Of(c.text_colour, COLOR_WINDOWTEXT));
        if (c.background.role != Colour_Role::Inherit) background = c.background;
      }
      SetBkColor(dc, Colour_Of(background, COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(Brush_Of(background, COLOR_BTNFACE));
    }
    default: return std::nullopt;
  }
}

}  // namespace keldra::ui::win32
