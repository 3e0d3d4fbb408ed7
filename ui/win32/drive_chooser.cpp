#include "ui/win32/drive_chooser.h"

#include <algorithm>

#include "ui/options_setup_description.h"
#include "ui/win32/controls.h"
#include "ui/win32/dpi.h"

namespace keldra::ui::win32 {
namespace {

constexpr int kPictureSize = 16;

int Picture_Index(platform::Drive_Type type) {
  switch (type) {
    case platform::Drive_Type::Removable: return 0;
    case platform::Drive_Type::Remote: return 2;
    case platform::Drive_Type::Cdrom: return 3;
    case platform::Drive_Type::Ramdisk: return 4;
    default: return 1;
  }
}

}  // namespace

Drive_Chooser::Drive_Chooser(HWND parent, int id, RECT b) : height_(b.bottom - b.top) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  // Its height includes the list that drops down.
  combo_ = CreateWindowExA(0, "COMBOBOX", "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
                               CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                           b.left, b.top, b.right - b.left, 200, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  const platform::Drive_Type types[] = {platform::Drive_Type::Removable,
                                        platform::Drive_Type::Fixed, platform::Drive_Type::Remote,
                                        platform::Drive_Type::Cdrom, platform::Drive_Type::Ramdisk};
  for (int i = 0; i < 5; ++i) {
    pictures_[i] = static_cast<HBITMAP>(
        LoadImageA(instance, Drive_Picture_Name(types[i]), IMAGE_BITMAP, 0, 0, 0));
  }
}

Drive_Chooser::~Drive_Chooser() {
  for (HBITMAP b : pictures_) {
    if (b) DeleteObject(b);
  }
}

void Drive_Chooser::Fit_Height() {
  if (fitted_) return;
  fitted_ = true;
  // The closed box as high as its place: its selection field is asked to be lower
  // or higher by what the box is off. The system makes the field as high as an
  // item, which leaves the box a pixel higher than its place under Wine; and Wine
  // makes a field it is asked for two pixels higher than asked, so the asking goes
  // by what was asked, not by what it reads back, and may take a second step.
  auto asked = SendMessageA(combo_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int step = 0; step < 3 && asked > 0; ++step) {
    RECT closed;
    GetWindowRect(combo_, &closed);
    const LONG off = (closed.bottom - closed.top) - height_;
    if (off == 0 || asked <= off) break;
    asked -= off;
    SendMessageA(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), asked);
  }
}

void Drive_Chooser::Show(const std::vector<monitor::Chooser_Entry>& entries,
                         std::optional<std::size_t> current) {
  Fit_Height();
  entries_ = entries;
  SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
  for (const monitor::Chooser_Entry& e : entries_) {
    SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.text.c_str()));
  }
  SendMessageA(combo_, CB_SETCURSEL,
               current ? static_cast<WPARAM>(*current) : static_cast<WPARAM>(-1), 0);
}

std::optional<std::size_t> Drive_Chooser::Picked() const {
  const auto i = SendMessageA(combo_, CB_GETCURSEL, 0, 0);
  if (i < 0 || static_cast<std::size_t>(i) >= entries_.size()) return std::nullopt;
  return static_cast<std::size_t>(i);
}

std::optional<char> Drive_Chooser::Current_Drive() const {
  const std::optional<std::size_t> i = Picked();
  if (!i) return std::nullopt;
  return entries_[*i].letter;
}

UINT Drive_Chooser::Item_Height(HFONT font, int dpi) {
  // The larger of the text's height and the pictures'. Asked while the chooser is
  // being made, before there is a chooser to ask.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  return static_cast<UINT>(std::max<int>(tm.tmHeight, Scaled(kPictureSize, dpi)));
}

void Drive_Chooser::Draw(const DRAWITEMSTRUCT& item) const {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= entries_.size()) return;
  const monitor::Chooser_Entry& e = entries_[item.itemID];
  const int dpi = Window_Dpi(item.hwndItem);
  const int top =
      item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - Scaled(kPictureSize, dpi)) / 2;
  if (HBITMAP picture = pictures_[Picture_Index(e.type)]) {
    Draw_Transparent(item.hDC, picture, item.rcItem.left + Scaled(2, dpi), top, kPictureSize,
                     kPictureSize, dpi);
  }
  RECT text = item.rcItem;
  text.left += Scaled(2 + kPictureSize + 6, dpi);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextA(item.hDC, e.text.c_str(), static_cast<int>(e.text.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace keldra::ui::win32
