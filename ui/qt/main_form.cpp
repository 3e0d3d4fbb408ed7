#include "ui/qt/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSessionManager>
#include <QWindow>
#include <algorithm>

#include "ui/main_form_description.h"
#include "ui/qt/described_controls.h"
#include "ui/qt/drawn_area.h"
#include "ui/qt/fonts.h"
#include "ui/qt/window_stacking.h"
#include "ui/start_steps.h"

namespace keldra::ui {
namespace {

const Window_Description& Described() { return Main_Form_Description(); }

}  // namespace

TMainForm1::TMainForm1(Window_Stacking& stacking) : stacking_(stacking) {
  const Window_Description& d = Described();
  setObjectName(QString::fromStdString(d.name));
  setWindowTitle(QString::fromStdString(d.caption));
  setFont(Font_Of(d.font, font()));
  Start_Step("font_database");  // the first font asked for fills the toolkit's list

  Client_Area = new Drawn_Area(this, d, [this](int command) { Run(command); });
  Client_Area->setObjectName("Client_Area");
  Client_Area->setAutoFillBackground(true);
  QPalette pal = Client_Area->palette();
  pal.setColor(QPalette::Window, Colour_Of(d.background, pal, QPalette::Window));
  Client_Area->setPalette(pal);
  // Its own X window, so that the client area can be measured from outside.
  Client_Area->setAttribute(Qt::WA_NativeWindow);
  setCentralWidget(Client_Area);

  Create_Rows();
  Start_Step(start_step::Rows_Built);
  Create_Menu();
  Start_Step("menu_built");

  const Timer_Description& timer = d.Timer(main_form_names::Timer1);
  Timer1 = new Refresh_Timer(timer, this);
  Timer1->setObjectName(QString::fromStdString(timer.name));
  connect(Timer1, &Refresh_Timer::Tick, this, [this, command = timer.command] { Run(command); });

  setMinimumWidth(menuBar()->sizeHint().width());
  Move_Frame(d.frame.left, d.frame.top);
  resize(d.client_width, Menu_Height() + d.client_height);

  // FormCreate: accept files dropped from the desktop.
  setAcceptDrops(true);

  // The session manager asks at log-out whether the program may end.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!behaviour_->FormCloseQuery()) manager.cancel();
  });
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::Run(int command) {
  if (behaviour_) behaviour_->Run_Command(command);
}

void TMainForm1::Create_Rows() {
  const auto& controls = Described().controls;
  const auto id_of = [&controls](const Control_Description& c) {
    return static_cast<int>(&c - controls.data());
  };
  Client_Area->Controls().Add_Described(Described(), id_of,
                                        Bar_Colour_Rgb(monitor::Bar_Color::Lime));
  for (const Control_Description& c : controls) {
    if (c.kind == Control_Kind::Picture_Button) {
      // The one control made as a widget: it takes its own double-click.
      QWidget* w = Make_Described(c, Client_Area, font(), [this](int command) { Run(command); });
      w->setProperty("Double_Click", c.double_click);
      w->installEventFilter(this);
      Refresh_Button = static_cast<QPushButton*>(w);
      continue;
    }
    if (c.name == main_form_names::Spinner_Label) spinner_ = id_of(c);
    if (c.tag < 1) continue;
    // The refresh pass finds row N's controls by name prefix and Tag.
    const std::size_t i = static_cast<std::size_t>(c.tag - 1);
    if (c.name.rfind(Drive_Label_Prefix, 0) == 0) labels_.at(i) = id_of(c);
    if (c.name.rfind(Drive_Pct_Free_Prefix, 0) == 0) gauges_.at(i) = id_of(c);
    if (c.name.rfind(Drive_Free_Prefix, 0) == 0) frees_.at(i) = id_of(c);
  }
}

void TMainForm1::Create_Menu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  bar->setNativeMenuBar(false);
  for (const Menu_Description& m : Described().menus) {
    QMenu* menu = bar->addMenu(QString::fromStdString(m.caption));
    menu->setObjectName(QString::fromStdString(m.name));
    for (const Menu_Item_Description& item : m.items) {
      QAction* a = item.caption == "-" ? menu->addSeparator()
                                       : menu->addAction(QString::fromStdString(item.caption));
      a->setObjectName(QString::fromStdString(item.name));
      if (item.caption == "-") continue;
      const int command = item.command;
      if (item.checkable) {
        marks_[item.name] = new Menu_Mark(a, [this, command] { Run(command); });
      } else {
        connect(a, &QAction::triggered, this, [this, command] { Run(command); });
      }
    }
  }
  FileMenu = bar->findChild<QMenu*>(main_form_names::FileMenu);
  Help1 = bar->findChild<QMenu*>(main_form_names::Help1);
  const auto action = [bar](const char* name) { return bar->findChild<QAction*>(name); };
  RefreshOption = action(main_form_names::RefreshOption);
  SettingsOption = action(main_form_names::SettingsOption);
  Restore_Factory_Defaults_Option = action(main_form_names::Restore_Factory_Defaults_Option);
  ExitOption = action(main_form_names::ExitOption);
  View_Readme_file_Option = action(main_form_names::View_Readme_file_Option);
  View_Shareware_Catalog_Option = action(main_form_names::View_Shareware_Catalog_Option);
  AboutOption = action(main_form_names::AboutOption);
  Always_on_Top_Option = marks_.at(main_form_names::Always_on_Top_Option);
  Auto_Run_at_Windows_Startup_Option =
      marks_.at(main_form_names::Auto_Run_at_Windows_Startup_Option);
}

QPoint TMainForm1::Frame_Position() const {
  return frame_target_ ? *frame_target_ : frameGeometry().topLeft();
}

void TMainForm1::Move_Frame(int left, int top) {
  // Kept as stored, off any screen if need be, but within the coordinates a window
  // system can place a window at (X11's are 16-bit); past them Qt's own arithmetic
  // overflows.
  const QPoint p(std::clamp(left, -32768, 32767), std::clamp(top, -32768, 32767));
  Request_Frame(p);
}

void TMainForm1::Request_Frame(QPoint p) {
  frame_target_ = p;
  frame_target_until_ = std::chrono::steady_clock::now() + std::chrono::seconds(1);
  // Before the first show, move() records a frame position that Qt honours when it
  // maps the window. Once shown, the window manager places what it is asked to
  // place exactly, and window managers differ on which part a frame position
  // means: so the client area is placed, by the frame's own margins, where it sits
  // when the frame is at p.
  QWindow* w = windowHandle();
  if (w && isVisible()) {
    const QMargins frame = w->frameMargins();
    w->setPosition(p + QPoint(frame.left(), frame.top()));
  } else {
    move(p);
  }
}

void TMainForm1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (frame_target_ && frameGeometry().topLeft() == *frame_target_) frame_target_.reset();
  // Only shortly after asking, and never once the user has maximised or minimised
  // the window: then the window manager's place is the one meant.
  if (event->spontaneous() && isVisible() && frame_target_ && shown_once_ &&
      windowState() == Qt::WindowNoState &&
      std::chrono::steady_clock::now() <= frame_target_until_) {
    // The window manager has framed the window since we asked: ask once more, now
    // that the frame's size is known.
    const QPoint target = *frame_target_;
    frame_target_.reset();
    Request_Frame(target);
  }
}

int TMainForm1::Menu_Height() const {
  const QMenuBar* bar = menuBar();
  const int for_width = bar->heightForWidth(width());
  return for_width > 0 ? for_width : bar->sizeHint().height();
}

// --- what the behaviour asks of the window ---

void TMainForm1::Set_Spinner_Text(const std::string& text) {
  Client_Area->Controls().Set_Text(spinner_, text, false, 0);
}

void TMainForm1::Set_Window_Caption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
  setToolTip(QString());
}

void TMainForm1::Show_Mark(Menu_Mark_Item item, bool checked) {
  (item == Menu_Mark_Item::Always_On_Top ? Always_on_Top_Option
                                         : Auto_Run_at_Windows_Startup_Option)
      ->Set_Checked(checked);
}

void TMainForm1::Set_Keep_Above(bool above) { stacking_.Set_Keep_Above(*this, above); }

void TMainForm1::Show_Window(int show_command) { stacking_.Show_Window(*this, show_command); }

// --- start-up and closing ---

void TMainForm1::setVisible(bool visible) {
  // The show sequence runs as the window is first shown, before it reaches the
  // screen, so that it appears where the settings put it. Its own show step (the
  // launcher's show state) shows the window; when the sequence stops early, the
  // window is shown all the same.
  if (visible && !shown_once_ && !in_show_sequence_) {
    shown_once_ = true;
    in_show_sequence_ = true;
    behaviour_->FormShow();
    in_show_sequence_ = false;
  }
  QMainWindow::setVisible(visible);
}

void TMainForm1::closeEvent(QCloseEvent* event) {
  if (behaviour_->FormCloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

// --- double-clicks on the rows ---

bool TMainForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonDblClick) return QMainWindow::eventFilter(watched, event);
  const int command = watched->property("Double_Click").toInt();
  if (command != No_Command && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Run(command);
  }
  return true;
}

}  // namespace keldra::ui
