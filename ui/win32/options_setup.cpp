#include "ui/win32/options_setup.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "ui/options_setup_description.h"
#include "ui/win32/controls.h"
#include "ui/win32/modal_window.h"
#include "ui/win32/window_class.h"

namespace keldra::ui::win32 {
namespace {

const Window_Description& Described() { return Options_Setup_Description(); }

constexpr int First_Control_Id = 201;  // numbered from here, in the order they are made

// The texts and frames that never change are made when the dialog is first shown:
// their large fonts would only slow the main window's first appearance.
bool Fixed(const Control_Description& c) {
  return c.name.empty() || c.name == options_setup_names::Arrow_Label;
}

}  // namespace

TOptions_Setup::TOptions_Setup(HWND owner, Fonts& fonts, Options_Setup_Behaviour& behaviour,
                               const std::string& decimal_separator)
    : window_(Described(), fonts, First_Control_Id), owner_(owner), behaviour_(behaviour) {
  Use_Common_Controls();  // the spin edit's arrows
  window_.Create(this);
  window_.Build([](const Control_Description& c) { return !Fixed(c); },
                [&](const Control_Description& c, int id, RECT r) -> HWND {
                  if (c.kind == Control_Kind::Drive_Chooser) {
                    chooser_id_ = id;  // it is measured as it is made
                    DriveComboBox1 = std::make_unique<Drive_Chooser>(hwnd_, id, r);
                    return DriveComboBox1->Handle();
                  }
                  if (c.kind != Control_Kind::Spin_Edit) return nullptr;
                  SpinEdit1 = std::make_unique<Spin_Edit>(hwnd_, id, r, decimal_separator,
                                                          window_.Scaled(Design_Dpi));
                  return SpinEdit1->Editor();
                });
  // The field's buttons are its own.
  window_.On_Rescaled([this] {
    SpinEdit1->Place(window_.Place(Described().Control(options_setup_names::SpinEdit1)),
                     window_.Scaled(Design_Dpi));
  });
  Show_Drive_Limit(behaviour_.Drive_Limit());
}

TOptions_Setup::~TOptions_Setup() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

std::optional<int> TOptions_Setup::Selected_Entry() const {
  const auto i = SendMessageA(Control(options_setup_names::ListBox1), LB_GETCURSEL, 0, 0);
  return i == LB_ERR ? std::nullopt : std::optional<int>(static_cast<int>(i));
}

void TOptions_Setup::Close() { open_ = false; }

bool TOptions_Setup::Checked(const std::string& name) const {
  return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TOptions_Setup::Draw_Arrow(const DRAWITEMSTRUCT& item) {
  const Control_Description& c = Described().Control(options_setup_names::Arrow_Label);
  HDC dc = item.hDC;
  HGDIOBJ old = SelectObject(dc, window_.Font(c.font));
  const int length = static_cast<int>(c.text.size());
  SIZE natural;
  GetTextExtentPoint32A(dc, c.text.c_str(), length, &natural);
  // The spacing is reckoned at 96 dots per inch and drawn at the window's.
  const int dpi = window_.Scaled(Design_Dpi);
  const double spacing = Arrow_Letter_Spacing(Unscaled(natural.cx, dpi)) * dpi / Design_Dpi;
  SetTextCharacterExtra(dc, static_cast<int>(std::floor(spacing)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Colour_Of(c.text_colour, COLOR_WINDOWTEXT));
  TextOutA(dc, 0, 0, c.text.c_str(), length);
  SetTextCharacterExtra(dc, 0);
  SelectObject(dc, old);
}

// --- the controls as the behaviour sees them ---

void TOptions_Setup::Show_Entries(const std::vector<std::string>& entries) {
  HWND list = Control(options_setup_names::ListBox1);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& text : entries) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TOptions_Setup::Show_Interval_Text(const std::string& text) {
  SetWindowTextA(SpinEdit1->Editor(), text.c_str());
}

void TOptions_Setup::Show_Chooser(const std::vector<monitor::Chooser_Entry>& entries,
                                  std::optional<std::size_t> current) {
  DriveComboBox1->Show(entries, current);
}

void TOptions_Setup::Show_Drive_Limit(int limit) {
  SetWindowTextA(Control(options_setup_names::Max_Drives_SpinEdit), std::to_string(limit).c_str());
}

void TOptions_Setup::Show_Total_Checked(bool on) {
  SendMessageA(Control(options_setup_names::Show_Total_of_All_Drives_CheckBox), BM_SETCHECK,
               on ? BST_CHECKED : BST_UNCHECKED, 0);
}
void TOptions_Setup::Show_Always_On_Top_Checked(bool on) {
  SendMessageA(Control(options_setup_names::Always_On_Top_CheckBox), BM_SETCHECK,
               on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TOptions_Setup::Show_Modal() {
  behaviour_.Fill_Chooser();
  if (!shown_before_) {
    window_.Build(Fixed, [this](const Control_Description& c, int id, RECT r) -> HWND {
      if (c.name != options_setup_names::Arrow_Label) return nullptr;
      // Drawn to fit between the Add button and the list.
      arrow_id_ = id;
      const int width =
          window_.Place(Described().Control(options_setup_names::ListBox1)).left - r.left;
      return Make_Control(hwnd_, "STATIC", c.text.c_str(), WS_VISIBLE | SS_OWNERDRAW, id, r.left,
                          r.top, width, window_.Scaled(c.font.height + c.font.height / 7 + 1));
    });
  }
  Place_As_Described(hwnd_, Described(), !shown_before_);
  shown_before_ = true;
  behaviour_.FormActivate();  // the limit text must not wait for the activation
  open_ = true;
  window_.Run_Timers(true);  // the chooser's, while the dialog is open
  Run_Modal(hwnd_, owner_, open_);
  window_.Run_Timers(false);
}

// --- messages ---

LRESULT TOptions_Setup::Handle(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_COMMAND: {
      const WORD code = HIWORD(wparam);
      const auto from = [lparam](HWND control) {
        return reinterpret_cast<HWND>(lparam) == control;
      };
      if (DriveComboBox1 && from(DriveComboBox1->Handle())) {
        const std::optional<std::size_t> picked = DriveComboBox1->Picked();
        if (code == CBN_SELCHANGE && picked) behaviour_.DriveComboBox1Pick(*picked);
        return 0;
      }
      // The field reports its first text while it is being made.
      if (SpinEdit1 && from(SpinEdit1->Editor())) {
        if (code == EN_CHANGE) behaviour_.SpinEdit1Change(SpinEdit1->Text());
        return 0;
      }
      break;  // the described commands; Escape runs what the description says (nothing)
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
      if (static_cast<int>(item.CtlID) == chooser_id_)
        item.itemHeight =
            Drive_Chooser::Item_Height(window_.Font(Described().font), window_.Scaled(Design_Dpi));
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (static_cast<int>(item.CtlID) == chooser_id_) DriveComboBox1->Draw(item);
      if (static_cast<int>(item.CtlID) == arrow_id_) Draw_Arrow(item);
      return TRUE;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) behaviour_.FormActivate();
      break;
    case WM_CLOSE: open_ = false; return 0;  // the close box applies, as OK does
    default: break;
  }
  if (const auto routed = window_.Route(msg, wparam, lparam,
                                        [this](int command) { behaviour_.Run_Command(command); }))
    return *routed;
  return DefWindowProcA(hwnd_, msg, wparam, lparam);
}

}  // namespace keldra::ui::win32
