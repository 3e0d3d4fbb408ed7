#pragma once
// The program's three windows and their behaviours, wired to each other and to the
// platform, whatever face draws them. The main window is built at once; the About
// box and the options dialog the first time each is shown, their behaviours holding
// what they show until then. A face names its three window classes and says how it
// makes each; the wiring and the order of tear-down are the same for both.
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "ui/about_box_behaviour.h"
#include "ui/deferred_views.h"
#include "ui/keldra_services.h"
#include "ui/main_form_behaviour.h"
#include "ui/options_setup_behaviour.h"

namespace keldra::ui {

template <class Main_Window, class About_Window, class Options_Window>
class Keldra_Windows_Of {
 public:
  // How the face makes each window; the dialogs belong to the main window.
  struct Face {
    Face_Toolkit toolkit;
    std::function<std::unique_ptr<Main_Window>()> main;
    std::function<std::unique_ptr<About_Window>(Main_Window&, About_Box_Behaviour&)> about;
    std::function<std::unique_ptr<Options_Window>(Main_Window&, Options_Setup_Behaviour&,
                                                  const std::string& decimal_separator)>
        options;
  };

  Keldra_Windows_Of(const Keldra_Services& s, Face face)
      : face_(std::move(face)),
        MainForm1(face_.main()),
        decimal_separator_(s.decimal_separator),
        about_view_([this]() -> About_Box_View& {
          AboutBox = face_.about(*MainForm1, About_Box);
          return *AboutBox;
        }),
        options_view_([this]() -> Options_Setup_View& {
          Options_Setup = face_.options(*MainForm1, Options, decimal_separator_);
          return *Options_Setup;
        }),
        About_Box(about_view_, About_Box_Services(s, face_.toolkit)),
        Options(options_view_, s.boxes, s.drives) {
    Main_Form = std::make_unique<Main_Form_Behaviour>(*MainForm1, s, Options, About_Box, title);
    MainForm1->Attach(*Main_Form);
  }

  // The dialogs belong to the main window: they go before it does; the behaviour
  // last, so that no window can reach it once it is gone.
  ~Keldra_Windows_Of() {
    Options_Setup.reset();
    AboutBox.reset();
    MainForm1.reset();
    Main_Form.reset();
  }
  Keldra_Windows_Of(const Keldra_Windows_Of&) = delete;
  Keldra_Windows_Of& operator=(const Keldra_Windows_Of&) = delete;

  // The dialogs, built now if they were not yet.
  About_Window& About_Box_Window() {
    about_view_.Built();
    return *AboutBox;
  }
  Options_Window& Options_Setup_Window() {
    options_view_.Built();
    return *Options_Setup;
  }

 private:
  Face face_;

 public:
  Application_Title title;
  std::unique_ptr<Main_Window> MainForm1;
  // Built the first time each is shown (or asked for above); empty until then.
  std::unique_ptr<About_Window> AboutBox;
  std::unique_ptr<Options_Window> Options_Setup;

 private:
  std::string decimal_separator_;
  Deferred_About_Box_View about_view_;
  Deferred_Options_Setup_View options_view_;

 public:
  // What each window does; the main window's behaviour reaches the dialogs' own.
  About_Box_Behaviour About_Box;
  Options_Setup_Behaviour Options;
  std::unique_ptr<Main_Form_Behaviour> Main_Form;
};

}  // namespace keldra::ui
