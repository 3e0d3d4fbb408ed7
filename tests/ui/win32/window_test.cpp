// The Windows window driven in-process as the system drives it: menu commands,
// timer ticks, double-clicks, a dropped file list, closing and the session's end,
// and the two dialogs' controls and keys.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tests/ui/win32/window_fixture.h"
#include "ui/about_box_behaviour.h"
#include "ui/about_box_description.h"
#include "ui/main_form_description.h"
#include "ui/options_setup_description.h"
#include "ui/win32/described_window.h"
#include "ui/win32/dpi.h"
#include "ui/win32/percent_gauge.h"

namespace keldra::test {
namespace {

using namespace ui::win32;
using ui::Drawn_Control;

// A control's font's character height, in pixels.
int Font_Pixels(HWND control) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return -font.lfHeight;
}

// A control's place in its window's client area.
RECT Place_In(HWND control, HWND window) {
  RECT r = Frame_Rect(control);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class Win32_Window : public ::testing::Test, public Window_Fixture {
 protected:
  void Show(const std::string& settings) {
    Write_Settings(settings);
    windows->MainForm1->Show();
  }
  std::vector<int> Visible_Rows() {
    std::vector<int> rows;
    for (int n = 1; n <= monitor::Drive_Row_Count; ++n) {
      const bool label = Drawn(ID_Drive_Label_ + n).visible;
      EXPECT_EQ(label, Drawn(ID_Drive_Pct_Free_ + n).visible) << n;
      EXPECT_EQ(label, Drawn(ID_Drive_Free_ + n).visible) << n;
      if (label) rows.push_back(n);
    }
    return rows;
  }
  const Drawn_Control& Drawn(int id) { return windows->MainForm1->Control(id); }
  void Double_Click(POINT p) {
    SendMessageA(Main(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  }
};

TEST_F(Win32_Window, TheThreeWindowsAsDesigned) {
  TMainForm1& form = *windows->MainForm1;
  EXPECT_EQ(Window_Text(Main()), "??");
  for (int n = 1; n <= monitor::Drive_Row_Count; ++n) {
    for (int base : {ID_Drive_Label_, ID_Drive_Pct_Free_, ID_Drive_Free_}) {
      EXPECT_EQ(Drawn(base + n).described->tag, n) << "the Tag of row " << n;
      EXPECT_FALSE(Drawn(base + n).visible) << n;
    }
    EXPECT_EQ(Drawn(ID_Drive_Label_ + n).text, "?");
    EXPECT_EQ(Drawn(ID_Drive_Free_ + n).text, "??");
    const Drawn_Control& gauge = Drawn(ID_Drive_Pct_Free_ + n);
    EXPECT_EQ(gauge.box.left, 32);
    EXPECT_EQ(gauge.box.top, 8 + 20 * (n - 1));
    EXPECT_EQ(gauge.progress, 100);
    EXPECT_EQ(gauge.bar_rgb, 0x00FF00u);
  }
  EXPECT_EQ(Drawn(ID_Spinner_Label).text, "=");
  EXPECT_EQ(Drawn(ID_Free_Used_Label).text, "Free  /  Used");
  // The only child window, hidden, made with the hints when the pointer first moves
  // over the window; the rest are drawn.
  EXPECT_EQ(form.Refresh_Button, nullptr);
  SendMessageA(Main(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  ASSERT_NE(form.Refresh_Button, nullptr);
  EXPECT_FALSE(Visible(form.Refresh_Button));
  EXPECT_EQ(GetWindow(form.Refresh_Button, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(form.Refresh_Button, GW_HWNDPREV), nullptr);
  // The menu, in order; no item has a shortcut.
  std::vector<std::string> seen;
  for (HMENU menu : {form.FileMenu, form.Help1}) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[64] = "";
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      seen.push_back(std::to_string(GetMenuItemID(menu, i)) + " " + (*text ? text : "-"));
    }
  }
  const std::vector<std::string> expected = {"101 &Refresh",
                                             "0 -",
                                             "102 &Settings",
                                             "0 -",
                                             "103 &Always On Top",
                                             "104 Auto-Run at Windows Startup",
                                             "105 Restore Factory Defaults",
                                             "0 -",
                                             "106 E&xit",
                                             "107 &View Readme file",
                                             "108 View &Shareware Catalog",
                                             "0 -",
                                             "109 &About"};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(Window_Text(windows->Options_Setup_Window().Handle()), "Keldra Options Setup :");
  // At the screen's dots per inch (96 here; the Wine suite runs this at 144 too).
  const int dpi = Window_Dpi(nullptr);
  if (const char* expected = std::getenv("KELDRA_EXPECT_DPI")) {
    EXPECT_EQ(dpi, std::atoi(expected));
  }
  const RECT options = Client_Rect(windows->Options_Setup_Window().Handle());
  EXPECT_EQ(std::make_pair(options.right, options.bottom),
            std::make_pair(LONG{Scaled(463, dpi)}, LONG{Scaled(435, dpi)}));
  const RECT about = Client_Rect(windows->About_Box_Window().Handle());
  EXPECT_EQ(std::make_pair(about.right, about.bottom),
            std::make_pair(LONG{Scaled(622, dpi)}, LONG{Scaled(411, dpi)}));
  EXPECT_EQ(Font_Pixels(windows->About_Box_Window().Control(ui::about_box_names::OKButton)),
            Scaled(19, dpi));
}

// Moved to a screen of 144 dots per inch, every window is laid out anew at it: the
// places the behaviour gave, the fonts, and the client size told at 96.
TEST_F(Win32_Window, AWindowMovedToAScreenOfOtherDotsPerInchIsLaidOutAnew) {
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  const int dpi = Window_Dpi(nullptr);
  const auto rescale = [](HWND w, RECT suggested) {
    SendMessageA(w, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  };
  TAboutBox& about = windows->About_Box_Window();
  Run_From_Message_Loop([&] {
    // The link label stands where the behaviour moved it, at the new scale.
    HWND link = about.Control(ui::about_box_names::Email_Address_Label);
    const RECT before = Place_In(link, about.Handle());
    rescale(about.Handle(), {0, 0, 1000, 700});
    const RECT after = Place_In(link, about.Handle());
    EXPECT_EQ(after.left, MulDiv(before.left, 144, dpi));
    EXPECT_EQ(after.top, MulDiv(before.top, 144, dpi));
    EXPECT_EQ(Font_Pixels(about.Control(ui::about_box_names::OKButton)), Scaled(19, 144));
    Command(about.Handle(), IDCANCEL);
  });
  Command(Main(), ID_AboutOption);
  TMainForm1& form = *windows->MainForm1;
  const int width = form.Client_Width();
  rescale(Main(), {0, 0, 600, 400});
  form.Set_Client_Width(width);
  EXPECT_EQ(form.Client_Width(), width) << "told and asked at 96";
  EXPECT_EQ(Client_Rect(Main()).right, Scaled(width, 144));
}

TEST_F(Win32_Window, TheShowSequencePlacesTheFrameAndFitsTheClientToTheRows) {
  Show(
      "[keldra]\nwindow_top_posn=60\nwindow_left_posn=70\ndrive_being_monitored_letters=cd\n"
      "Show_Total_of_All_Drives_CheckBox=1\n");
  EXPECT_EQ(Window_Text(Main()), "Keldra v3.6f");
  EXPECT_EQ(Window_Text(windows->About_Box_Window().Handle()), "About Keldra v3.6f ...");
  const RECT frame = Frame_Rect(Main());
  EXPECT_EQ(std::make_pair(frame.left, frame.top), std::make_pair(70L, 60L));
  const RECT client = Client_Rect(Main());
  EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(189L, 69L));
  EXPECT_EQ(Visible_Rows(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(Drawn(ID_Drive_Label_ + 3).text, "Tot:");
  EXPECT_EQ(Drawn(ID_Drive_Free_ + 1).text, "570.0 MB / 1000.0 MB");
  EXPECT_EQ(Drawn(ID_Drive_Pct_Free_ + 2).bar_rgb, 0xFF0000u);
  EXPECT_TRUE(IsWindowVisible(Main()));
  // Drawn where they stand: a gauge's black border, its bar's colour just inside;
  // a label's text in its box.
  UpdateWindow(Main());
  HDC dc = GetDC(Main());
  for (int row : {1, 2}) {
    const RECT g = Rect_Of(Drawn(ID_Drive_Pct_Free_ + row).box);
    EXPECT_EQ(GetPixel(dc, g.left, g.top), RGB(0, 0, 0)) << row;
    const std::uint32_t bar = Drawn(ID_Drive_Pct_Free_ + row).bar_rgb;
    EXPECT_EQ(GetPixel(dc, g.left + 1, g.bottom - 2), RGB(bar >> 16, (bar >> 8) & 0xFF, bar & 0xFF))
        << row;
  }
  const RECT text = Rect_Of(Drawn(ID_Drive_Free_ + 1).box);
  int inked = 0;
  for (int y = text.top; y < text.bottom; ++y)
    for (int x = text.left; x < text.right; ++x) inked += GetPixel(dc, x, y) == RGB(0, 0, 0);
  EXPECT_GT(inked, 20) << "the free space's text";
  ReleaseDC(Main(), dc);
  // The hints come with the pointer's first move: one for each control that shows
  // one, each where its control is, none for a hidden one.
  TMainForm1& form = *windows->MainForm1;
  EXPECT_EQ(form.Hints, nullptr);
  SendMessageA(Main(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  ASSERT_NE(form.Hints, nullptr);
  EXPECT_EQ(SendMessageA(form.Hints, TTM_GETTOOLCOUNT, 0, 0), 81);
  const auto tool_place = [&](int id) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = Main();
    tool.uId = static_cast<UINT_PTR>(id);
    SendMessageA(form.Hints, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
    return tool.rect;
  };
  const RECT shown = tool_place(ID_Drive_Free_ + 1), hidden = tool_place(ID_Drive_Free_ + 4);
  EXPECT_TRUE(EqualRect(&shown, &text));
  EXPECT_TRUE(IsRectEmpty(&hidden));
  // Hand-edited widths stay within what a window can be.
  for (const char* width : {"-1", "0", "2147483647"}) {
    Show(std::string("[keldra]\nwindow_ClientWidth=") + width + "\n");
    const RECT r = Client_Rect(Main());
    EXPECT_GT(r.right, 0) << width;
    EXPECT_LE(r.right, 16384) << width;
    EXPECT_EQ(r.bottom, 29) << width << ": the rows still fit";
  }
}

TEST_F(Win32_Window, MenuCommandsTicksAndDoubleClicksReachTheirRoutines) {
  Show("[keldra]\ndrive_being_monitored_letters=CDC\nShow_Total_of_All_Drives_CheckBox=1\n");
  std::size_t before = Queries();
  Command(Main(), ID_RefreshOption);
  EXPECT_GT(Queries(), before);
  SendMessageA(Main(), WM_TIMER, Timer_Id(ui::Main_Form_Description(), ui::main_form_names::Timer1),
               0);
  EXPECT_EQ(Drawn(ID_Drive_Free_ + 3).text.empty(), false);
  EXPECT_EQ(Drawn(ID_Spinner_Label).text, "===");
  // Only the texts, the first three letters and the background refresh on a
  // double-click; a gauge takes its own and does nothing.
  const struct {
    int id;
    bool refreshes;
  } clicks[] = {{ID_Drive_Free_ + 3, true},
                {ID_Drive_Label_ + 3, true},
                {ID_Drive_Label_ + 4, false},
                {ID_Drive_Pct_Free_ + 1, false}};
  for (const auto& c : clicks) {
    const RECT box = Rect_Of(Drawn(c.id).box);
    ASSERT_TRUE(Drawn(c.id).visible) << c.id;
    before = Queries();
    Double_Click({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    EXPECT_EQ(Queries() > before, c.refreshes) << c.id;
  }
  before = Queries();
  Double_Click({Client_Rect(Main()).right - 2, Client_Rect(Main()).bottom - 2});
  EXPECT_GT(Queries(), before) << "the background";
  // Always On Top: the mark and the topmost style follow each click.
  for (bool on : {true, false}) {
    Command(Main(), ID_Always_on_Top_Option);
    EXPECT_EQ((GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on);
    EXPECT_EQ((GetMenuState(windows->MainForm1->FileMenu, ID_Always_on_Top_Option, MF_BYCOMMAND) &
               MF_CHECKED) != 0,
              on);
  }
  Command(Main(), ID_Auto_Run_at_Windows_Startup_Option);
  EXPECT_EQ(registry.values.size(), 1u);
  Command(Main(), ID_View_Readme_file_Option);
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_NE(launcher.started[0].find("keldra.txt"), std::string::npos);
  const std::size_t shown = boxes.shown.size();
  Command(Main(), ID_View_Shareware_Catalog_Option);  // no catalog.txt beside it: it says so
  ASSERT_EQ(boxes.shown.size(), shown + 1);
  EXPECT_NE(boxes.shown.back().text.find("Keldra v3.6f"), std::string::npos);
}

TEST_F(Win32_Window, RestoreFactoryDefaultsFromAMaximisedWindow) {
  Show(
      "[keldra]\nwindow_top_posn=300\nwindow_left_posn=200\nwindow_ClientWidth=300\n"
      "drive_being_monitored_letters=DC\n");
  ShowWindow(Main(), SW_MAXIMIZE);
  boxes.answers = {platform::Button_Yes};
  Command(Main(), ID_Restore_Factory_Defaults_Option);
  EXPECT_FALSE(IsZoomed(Main()));
  const RECT frame = Frame_Rect(Main());
  const RECT client = Client_Rect(Main());
  EXPECT_EQ(std::make_pair(frame.left, frame.top), std::make_pair(50L, 50L));
  EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(189L, 29L));
  EXPECT_EQ(Visible_Rows(), (std::vector<int>{1}));
}

TEST_F(Win32_Window, ADroppedFileListAddsItsDrives) {
  table.forms = {{"C:\\data", 'D'}, {"C:\\", 'C'}};
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  // The shell's DROPFILES block: the header, then NUL-ended paths and one more NUL.
  const char paths[] = "C:\\data\\a.txt\0C:\\data\\b\0\0";
  HGLOBAL block = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof paths);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), paths, sizeof paths);
  GlobalUnlock(block);
  SendMessageA(Main(), WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);  // freed by DragFinish
  EXPECT_EQ(windows->Main_Form->Monitored_Drive_Letters(), "CD");
  EXPECT_EQ(Visible_Rows(), (std::vector<int>{1, 2}));
}

TEST_F(Win32_Window, ASaveThatFailsKeepsTheWindowAndAnswersTheSessionNo) {
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  const std::string ini = folder / "keldra.ini";
  ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(SendMessageA(Main(), WM_QUERYENDSESSION, 0, 0), FALSE);
  SendMessageA(Main(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(Main()));
  ASSERT_EQ(boxes.errors.size(), 2u);
  EXPECT_EQ(boxes.errors[0].rfind("Keldra v3.6f: ", 0), 0u) << boxes.errors[0];
  ASSERT_TRUE(SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(SendMessageA(Main(), WM_QUERYENDSESSION, 0, 0), TRUE);
  HWND main = Main();
  Command(main, ID_ExitOption);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_NE(Read_File(ini).find("window_ClientWidth=189"), std::string::npos);
}

TEST_F(Win32_Window, TheOptionsDialogFromTheMenuWithItsKeysAndCloseBox) {
  table.drives = {{'C', "C:\\", platform::Drive_Type::Fixed, "System", ""},
                  {'F', "F:\\", platform::Drive_Type::Remote, "F", "\\\\server\\share"}};
  Show("[keldra]\ndrive_being_monitored_letters=C\ntimer_interval=45500\n");
  TOptions_Setup& options = windows->Options_Setup_Window();
  bool inside = false;
  Run_From_Message_Loop([&] {
    inside = true;
    // The chooser lists the drives, and the current directory lies on none of them.
    HWND chooser = options.DriveComboBox1->Handle();
    ASSERT_NE(chooser, nullptr);
    RECT closed;
    GetWindowRect(chooser, &closed);
    EXPECT_EQ(closed.bottom - closed.top, 22) << "the closed chooser as high as its place";
    EXPECT_EQ(GetFocus(), chooser) << "the first tab stop has the focus";
    EXPECT_EQ(SendMessageA(chooser, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(chooser, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(Window_Text(options.SpinEdit1->Editor()), "45");
    // Enter and Escape close nothing: there is no default button and no Cancel.
    Command(options.Handle(), IDOK);
    Command(options.Handle(), IDCANCEL);
    EXPECT_TRUE(options.Open());
    // Letters are refused; the Up key steps by 5.
    SendMessageA(options.SpinEdit1->Editor(), WM_CHAR, 'x', 0);
    SendMessageA(options.SpinEdit1->Editor(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Window_Text(options.SpinEdit1->Editor()), "50");
    SendMessageA(options.Control(ui::options_setup_names::Show_Total_of_All_Drives_CheckBox),
                 BM_CLICK, 0, 0);                    // ticked by the user
    SendMessageA(options.Handle(), WM_CLOSE, 0, 0);  // the close box applies, as OK does
  });
  Command(Main(), ID_SettingsOption);
  EXPECT_TRUE(inside);
  EXPECT_FALSE(IsWindowVisible(options.Handle()));
  EXPECT_EQ(windows->Main_Form->Timer_Interval(), 50000u);
  EXPECT_EQ(Visible_Rows(), (std::vector<int>{1, 2}));
}

TEST_F(Win32_Window, TheAboutBoxRunsWhileOpenAndEscapeStopsIt) {
  Show("[keldra]\n");
  TAboutBox& about = windows->About_Box_Window();
  bool inside = false;
  Run_From_Message_Loop([&] {
    inside = true;
    EXPECT_TRUE(about.Timers_Running());
    EXPECT_TRUE(about.Vantrel_Logo_GIFImage->Animate());
    const auto& quotes = ui::About_Quotes();
    EXPECT_NE(std::find(quotes.begin(), quotes.end(),
                        Window_Text(about.Control(ui::about_box_names::Quote_From_Vantrel_Label))),
              quotes.end());
    EXPECT_EQ(Window_Text(about.Control(ui::about_box_names::Free_Resources_Label)), "57%");
    EXPECT_FALSE(Visible(about.Control(ui::about_box_names::Email_Button)));
    // The logo as the file has it: eight frames of 100 ms, 999 loops.
    const Animated_Picture& logo = *about.Vantrel_Logo_GIFImage;
    EXPECT_EQ(logo.Frame_Count(), 8);
    for (int f = 0; f < logo.Frame_Count(); ++f) EXPECT_EQ(logo.Frame_Delay_Ms(f), 100) << f;
    EXPECT_EQ(logo.Loop_Count(), 999);
    EXPECT_EQ(Window_Text(about.Control(ui::about_box_names::Email_Address_Label)),
              Window_Text(about.Control(ui::about_box_names::Email_Button)));
    // The tools line fits its label in the label's own font.
    HWND tools = about.Control(ui::about_box_names::Developed_Using_Label);
    HDC dc = GetDC(tools);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(tools, WM_GETFONT, 0, 0)));
    const std::string line = Window_Text(tools);
    SIZE extent{};
    GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(tools, dc);
    RECT label;
    GetClientRect(tools, &label);
    EXPECT_LE(extent.cx, label.right) << line;
    Command(about.Handle(), IDCANCEL);  // Escape
  });
  Command(Main(), ID_AboutOption);
  EXPECT_TRUE(inside);
  EXPECT_FALSE(about.Timers_Running());
  EXPECT_FALSE(about.Vantrel_Logo_GIFImage->Animate());
  EXPECT_FALSE(IsWindowVisible(about.Handle()));
}

TEST(Win32_Gauge, BorderBarAndExclusiveOrText) {
  const int w = 55, h = 17;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  SelectObject(dc, dib);
  LOGFONTA lf{};
  lf.lfHeight = -13;
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpyA(lf.lfFaceName, "Arial");
  HFONT font = CreateFontIndirectA(&lf);
  auto pixel = [&](int x, int y) { return static_cast<const DWORD*>(bits)[y * w + x] & 0xFFFFFF; };
  auto count = [&](DWORD color) {
    int n = 0;
    for (int y = 1; y < h - 1; ++y)
      for (int x = 1; x < w - 1; ++x) n += pixel(x, y) == color;
    return n;
  };
  const DWORD black = 0, white = 0xFFFFFF, lime = 0x00FF00, magenta = 0xFF00FF;
  const struct {
    int percent;
    DWORD left, right, text;  // inside at the left and right ends, and the text's colour
  } cases[] = {{0, white, white, black}, {57, lime, white, magenta}, {100, lime, lime, magenta}};
  for (const auto& c : cases) {
    Draw_Percent_Gauge(dc, w, h, c.percent, RGB(0, 255, 0), font);
    GdiFlush();
    EXPECT_EQ(pixel(0, 0), black) << c.percent;
    EXPECT_EQ(pixel(w - 1, h - 1), black) << c.percent;
    EXPECT_EQ(pixel(1, h - 2), c.left) << c.percent;
    EXPECT_EQ(pixel(w - 2, h - 2), c.right) << c.percent;
    EXPECT_GT(count(c.text), 5) << c.percent << " % has no text in its colour";
  }
  DeleteObject(font);
  DeleteDC(dc);
  DeleteObject(dib);
}

}  // namespace
}  // namespace keldra::test
