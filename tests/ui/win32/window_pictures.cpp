// Pictures of the three Windows windows as the screen shows them, over fixed drives,
// so that a change of how the windows are built (or of the screen's dots per inch)
// can be checked pixel for pixel against pictures made before it.
//   keldra_win32_window_pictures <folder to write to> [<folder of earlier pictures>]
// With an earlier folder, prints for each picture how many pixels differ and where,
// and exits with 1 when any does. The quote and the animation's frame change with
// time, so the About box's picture leaves the logo and the quote out.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/ui/win32/window_fixture.h"
#include "ui/about_box_description.h"

namespace {

using keldra::test::Run_From_Message_Loop;

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// The window's frame and client area as the screen shows them now.
Picture Grab(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT r;
  GetWindowRect(window, &r);
  Picture p{r.right - r.left, r.bottom - r.top, {}};
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, p.width, p.height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  p.pixels.assign(px, px + static_cast<std::size_t>(p.width) * p.height);
  for (auto& v : p.pixels) v &= 0xFFFFFF;
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return p;
}

// Kept as a plain 32-bit bitmap file, which any picture viewer opens.
void Save(const Picture& p, const std::string& path) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER head{sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD data = static_cast<DWORD>(p.pixels.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof head;
  file.bfSize = file.bfOffBits + data;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&head), sizeof head);
  out.write(reinterpret_cast<const char*>(p.pixels.data()), data);
}

bool Load(const std::string& path, Picture& p) {
  std::ifstream in(path, std::ios::binary);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER head{};
  if (!in.read(reinterpret_cast<char*>(&file), sizeof file)) return false;
  if (!in.read(reinterpret_cast<char*>(&head), sizeof head)) return false;
  p.width = head.biWidth;
  p.height = -head.biHeight;
  p.pixels.resize(static_cast<std::size_t>(p.width) * p.height);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(p.pixels.data()),
                                   static_cast<std::streamsize>(p.pixels.size() * 4)));
}

int Compare(const std::string& name, const Picture& now, const std::string& earlier) {
  Picture before;
  if (!Load(earlier + "/" + name, before)) {
    std::printf("%s: no earlier picture\n", name.c_str());
    return 1;
  }
  if (before.width != now.width || before.height != now.height) {
    std::printf("%s: size %dx%d, was %dx%d\n", name.c_str(), now.width, now.height, before.width,
                before.height);
    return 1;
  }
  int differ = 0;
  RECT where{now.width, now.height, 0, 0};
  for (int y = 0; y < now.height; ++y) {
    for (int x = 0; x < now.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * now.width + x;
      if (now.pixels[i] == before.pixels[i]) continue;
      ++differ;
      where = {std::min<LONG>(where.left, x), std::min<LONG>(where.top, y),
               std::max<LONG>(where.right, x + 1), std::max<LONG>(where.bottom, y + 1)};
    }
  }
  if (differ == 0) {
    std::printf("%s: the same\n", name.c_str());
    return 0;
  }
  std::printf("%s: %d pixels differ, within (%ld, %ld, %ld x %ld)\n", name.c_str(), differ,
              where.left, where.top, where.right - where.left, where.bottom - where.top);
  return 1;
}

// A child's rectangle in its window's frame coordinates.
RECT Frame_Place(HWND child, HWND window) {
  RECT c, w;
  GetWindowRect(child, &c);
  GetWindowRect(window, &w);
  return {c.left - w.left, c.top - w.top, c.right - w.left, c.bottom - w.top};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: keldra_win32_window_pictures <folder> [<earlier folder>]\n");
    return 2;
  }
  const std::string folder = argv[1];
  keldra::test::Window_Fixture f;
  using keldra::platform::Drive_Type;
  f.table.drives = {{'A', "A:\\", Drive_Type::Removable, "", ""},
                    {'C', "C:\\", Drive_Type::Fixed, "system", ""},
                    {'F', "F:\\", Drive_Type::Remote, "", "\\\\server\\share"},
                    {'G', "G:\\", Drive_Type::Cdrom, "disc", ""}};
  f.Write_Settings(
      "[keldra]\ndrive_being_monitored_letters=CD\nShow_Total_of_All_Drives_CheckBox=1\n"
      "Always_On_Top_Option=0\n");
  f.windows->MainForm1->Show();
  std::vector<std::pair<std::string, Picture>> pictures;
  pictures.emplace_back("main.bmp", Grab(f.Main()));
  auto& options = f.windows->Options_Setup_Window();
  Run_From_Message_Loop([&] {
    pictures.emplace_back("options.bmp", Grab(options.Handle()));
    SendMessageA(options.Handle(), WM_CLOSE, 0, 0);
  });
  SendMessageA(f.Main(), WM_COMMAND, MAKEWPARAM(keldra::ui::win32::ID_SettingsOption, 0), 0);
  auto& about = f.windows->About_Box_Window();
  Run_From_Message_Loop([&] {
    RECT parts[2] = {
        Frame_Place(about.Vantrel_Logo_GIFImage->Handle(), about.Handle()),
        Frame_Place(about.Control(keldra::ui::about_box_names::Quote_From_Vantrel_Label),
                    about.Handle())};
    Picture p = Grab(about.Handle());
    for (const RECT& r : parts) {
      for (LONG y = std::max(0L, r.top); y < std::min<LONG>(p.height, r.bottom); ++y)
        for (LONG x = std::max(0L, r.left); x < std::min<LONG>(p.width, r.right); ++x)
          p.pixels[static_cast<std::size_t>(y) * p.width + x] = 0;
    }
    pictures.emplace_back("about.bmp", p);
    SendMessageA(about.Handle(), WM_COMMAND, IDCANCEL, 0);
  });
  SendMessageA(f.Main(), WM_COMMAND, MAKEWPARAM(keldra::ui::win32::ID_AboutOption, 0), 0);
  int failed = 0;
  for (const auto& [name, p] : pictures) {
    Save(p, folder + "/" + name);
    if (argc > 2) failed |= Compare(name, p, argv[2]);
  }
  return failed;
}
