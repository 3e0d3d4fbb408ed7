#include "ui/qt/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSessionManager>
#include <QWindow>
#include <algorithm>

#include "ui/qt/fonts.h"
#include "ui/qt/percent_gauge.h"
#include "ui/qt/window_stacking.h"

namespace keldra::ui {
namespace {

constexpr int kDesignLeft = 456;
constexpr int kDesignTop = 92;
constexpr int kDesignClientWidth = 189;
constexpr int kDesignClientHeight = 551;

const char* const kLabelPrefix = "Drive_Label_";
const char* const kGaugePrefix = "Drive_Pct_Free_";
const char* const kFreePrefix = "Drive_Free_";

int Tag_Of(const QObject* o) { return o->property("Tag").toInt(); }

// The window's background: double-clicks here refresh.
class Client_Area_Widget : public QWidget {
 public:
  Client_Area_Widget(QWidget* parent, std::function<void()> on_double_click)
      : QWidget(parent), on_double_click_(std::move(on_double_click)) {}

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) on_double_click_();
  }

 private:
  std::function<void()> on_double_click_;
};

}  // namespace

TMainForm1::TMainForm1(Window_Stacking& stacking) : stacking_(stacking) {
  setObjectName("MainForm1");
  setWindowTitle("??");
  setFont(Times_Font(15));

  auto* area = new Client_Area_Widget(
      this, [this] { Guarded([this] { behaviour_->Refresh_All_Drives(); }); });
  Client_Area = area;
  Client_Area->setObjectName("Client_Area");
  Client_Area->setAutoFillBackground(true);
  QPalette pal = Client_Area->palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Button));  // the button face
  pal.setColor(QPalette::WindowText, pal.color(QPalette::WindowText));
  Client_Area->setPalette(pal);
  // Its own X window, so that the client area can be measured from outside.
  Client_Area->setAttribute(Qt::WA_NativeWindow);
  setCentralWidget(Client_Area);

  Create_Rows();
  Create_Menu();

  Timer1 = new Refresh_Timer(this);
  connect(Timer1, &Refresh_Timer::Tick, this,
          [this] { Guarded([this] { behaviour_->Timer1Timer(); }); });

  setMinimumWidth(menuBar()->sizeHint().width());
  Move_Frame(kDesignLeft, kDesignTop);
  resize(kDesignClientWidth, Menu_Height() + kDesignClientHeight);

  // FormCreate: accept files dropped from the desktop.
  setAcceptDrops(true);

  // The session manager asks at log-out whether the program may end.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!behaviour_->FormCloseQuery()) manager.cancel();
  });
}

TMainForm1::~TMainForm1() = default;

void TMainForm1::Create_Rows() {
  const QFont system13 = System_Font(13);
  const QFont system13_bold = System_Font(13, true);
  for (int n = 1; n <= monitor::Drive_Row_Count; ++n) {
    const int top = 8 + 20 * (n - 1);
    const QString number = QString::number(n);

    auto* label = new QLabel("?", Client_Area);
    label->setObjectName(kLabelPrefix + number);
    label->setGeometry(4, top, 7, 17);
    label->setToolTip("Drive being monitored.");

    auto* gauge = new Percent_Gauge(Client_Area);
    gauge->setObjectName(kGaugePrefix + number);
    gauge->setGeometry(32, top, 55, 17);
    gauge->setToolTip("Percentage (%) of disk space used.");
    if (n == 1) gauge->setFont(system13_bold);
    if (n >= 3) gauge->setFont(system13);

    auto* free = new QLabel("??", Client_Area);
    free->setObjectName(kFreePrefix + number);
    free->setGeometry(92, top, 14, 17);
    // Row 3's text carries its hint, but shows none.
    free->setProperty("Hint", "Disk Space Free / Total Drive Capacity");
    if (n != 3) free->setToolTip("Disk Space Free / Total Drive Capacity");

    for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(gauge),
                       static_cast<QWidget*>(free)}) {
      w->setProperty("Tag", n);
      w->hide();
      w->installEventFilter(this);
    }
    // Their design sizes until a pass gives them a caption, when they grow with it.
  }

  Spinner_Label = new QLabel("=", Client_Area);
  Spinner_Label->setObjectName("Spinner_Label");
  Spinner_Label->setGeometry(0, -4, 25, 13);
  Spinner_Label->setAlignment(Qt::AlignCenter);
  Spinner_Label->setFont(Courier_Font(13));
  Free_Used_Label = new QLabel("Free  /  Used", Client_Area);
  Free_Used_Label->setObjectName("Free_Used_Label");
  Free_Used_Label->setGeometry(96, -2, 44, 10);
  Free_Used_Label->setAlignment(Qt::AlignCenter);
  Free_Used_Label->setFont(Arial_Font(8));
  Free_Used_Label->adjustSize();
  for (QLabel* l : {Spinner_Label, Free_Used_Label}) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    l->installEventFilter(this);
  }

  Refresh_Button = new QPushButton(Client_Area);
  Refresh_Button->setObjectName("Refresh_Button");
  Refresh_Button->setGeometry(112, 52, 37, 13);
  Refresh_Button->setToolTip("Refresh Drive Information.");
  Refresh_Button->hide();
  connect(Refresh_Button, &QPushButton::clicked, this,
          [this] { Guarded([this] { behaviour_->Refresh_All_Drives(); }); });

  // The refresh pass finds row N's controls by name prefix and Tag.
  for (QWidget* w : Client_Area->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    const int tag = Tag_Of(w);
    if (tag < 1 || tag > monitor::Drive_Row_Count) continue;
    const std::size_t i = static_cast<std::size_t>(tag - 1);
    const QString name = w->objectName();
    if (name.startsWith(kLabelPrefix)) labels_[i] = qobject_cast<QLabel*>(w);
    if (name.startsWith(kGaugePrefix)) gauges_[i] = qobject_cast<Percent_Gauge*>(w);
    if (name.startsWith(kFreePrefix)) frees_[i] = qobject_cast<QLabel*>(w);
  }
}

void TMainForm1::Create_Menu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  bar->setNativeMenuBar(false);
  auto separator = [](QMenu* menu, const char* name) {
    QAction* s = menu->addSeparator();
    s->setObjectName(name);
  };
  auto item = [this](QMenu* menu, const char* name, const char* caption, auto handler) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, handler] { Guarded(handler); });
    return a;
  };

  FileMenu = bar->addMenu("&File");
  FileMenu->setObjectName("FileMenu");
  RefreshOption =
      item(FileMenu, "RefreshOption", "&Refresh", [this] { behaviour_->Refresh_All_Drives(); });
  separator(FileMenu, "N1");
  SettingsOption =
      item(FileMenu, "SettingsOption", "&Settings", [this] { behaviour_->SettingsOptionClick(); });
  separator(FileMenu, "N2");
  QAction* on_top = FileMenu->addAction("&Always On Top");
  on_top->setObjectName("Always_on_Top_Option");
  Always_on_Top_Option =
      new Menu_Mark(on_top, [this] { Guarded([this] { behaviour_->Toggle_Always_on_Top(); }); });
  QAction* auto_run = FileMenu->addAction("Auto-Run at Windows Startup");
  auto_run->setObjectName("Auto_Run_at_Windows_Startup_Option");
  Auto_Run_at_Windows_Startup_Option = new Menu_Mark(auto_run, [this] {
    Guarded([this] { behaviour_->Auto_Run_at_Windows_Startup_OptionClick(); });
  });
  Restore_Factory_Defaults_Option =
      item(FileMenu, "Restore_Factory_Defaults_Option", "Restore Factory Defaults",
           [this] { behaviour_->Restore_Factory_Defaults_OptionClick(); });
  separator(FileMenu, "N5");
  ExitOption = item(FileMenu, "ExitOption", "E&xit", [this] { close(); });

  Help1 = bar->addMenu("&Help");
  Help1->setObjectName("Help1");
  View_Readme_file_Option = item(Help1, "View_Readme_file_Option", "&View Readme file",
                                 [this] { behaviour_->View_Readme_file_OptionClick(); });
  View_Shareware_Catalog_Option =
      item(Help1, "View_Shareware_Catalog_Option", "View &Shareware Catalog",
           [this] { behaviour_->View_Shareware_Catalog_OptionClick(); });
  separator(Help1, "About1");
  AboutOption = item(Help1, "AboutOption", "&About", [this] { behaviour_->About1Click(); });
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
  Spinner_Label->setText(QString::fromStdString(text));
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
  // Every control takes its own double-click, so none reaches the background; only
  // the free/total texts and the first three letters refresh.
  const QString name = watched->objectName();
  const int tag = Tag_Of(watched);
  const bool refreshes =
      name.startsWith(kFreePrefix) || (name.startsWith(kLabelPrefix) && tag <= 3);
  if (refreshes && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Guarded([this] { behaviour_->Refresh_All_Drives(); });
  }
  return true;
}

}  // namespace keldra::ui
