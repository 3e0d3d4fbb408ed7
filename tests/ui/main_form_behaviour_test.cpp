// The main window's behaviour over views in memory: the show sequence, the
// refresh pass and Timer1, closing, the "&Settings" sequence, Restore Factory
// Defaults, drops, the marks and the Help menu.
#ifndef _WIN32
#include <sys/stat.h>

#include "tests/fakes/file_holder.h"
#include "tests/fakes/hung_volume.h"
#endif

#include <cstdio>
#include <thread>

#include <gtest/gtest.h>

#include "platform/early_jobs.h"
#include "platform/startup_info.h"
#include "settings/auto_run.h"
#include "settings/load_save.h"
#include "tests/fakes/wait_until.h"
#include "tests/ui/behaviour_fixture.h"

namespace keldra::test {
namespace {

using ui::About_Field;

class Main_Behaviour : public ::testing::Test, public Behaviour_Fixture {};

TEST_F(Main_Behaviour, TheShowSequenceLoadsPlacesFillsTitlesAndShowsInTheLaunchersState) {
  EXPECT_EQ(title.text, "Set by Application.");
  Show(
      "[keldra]\nwindow_top_posn=120\nwindow_left_posn=80\nwindow_ClientWidth=250\n"
      "timer_interval=45000\ndrive_being_monitored_letters=CDE\n"
      "Show_Total_of_All_Drives_CheckBox=1\n");
  EXPECT_EQ(std::make_tuple(view.left, view.top, view.width), std::make_tuple(80, 120, 250));
  EXPECT_EQ(view.ticks_started, (std::vector<std::optional<int>>{45000}));
  EXPECT_EQ(options_view.limit, 26);
  EXPECT_EQ(title.text, "Keldra v3.6f");
  EXPECT_EQ(view.caption, "Keldra v3.6f");
  EXPECT_EQ(about_view[About_Field::Caption], "About Keldra v3.6f ...");
  // The pass ran before the window was shown, and only once.
  EXPECT_EQ(view.rows.Shown(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(view.rows[4].label, "Tot:");
  EXPECT_EQ(view.rows.client_height, 89);
  EXPECT_EQ(Passes(), 1u);
  const platform::Startup_Info launch = platform::Get_Startup_Info();
  EXPECT_EQ(
      view.show_commands,
      (std::vector<int>{launch.uses_show_window ? launch.show_command : platform::Show_Default}));
}

TEST_F(Main_Behaviour, TicksRunThePassThenAdvanceTheIndicatorAManualRefreshLeavesIt) {
  Show("[keldra]\ndrive_being_monitored_letters=C\n");
  const std::size_t queried = disk.queried.size();
  std::vector<std::string> frames;
  for (int i = 0; i < 3; ++i) {
    main.Timer1Timer();
    frames.push_back(view.spinner);
  }
  EXPECT_EQ(frames, (std::vector<std::string>{"===", "=", "==="}));
  EXPECT_EQ(disk.queried.size(), queried + 3 * 4) << "a pass each tick";
  main.Refresh_All_Drives();
  EXPECT_EQ(view.spinner, "===");
}

TEST_F(Main_Behaviour, AFailingPassKeepsTheIndicatorAndReportsOnceWhileItsBoxIsOpen) {
  Show("[keldra]\ndrive_being_monitored_letters=C1\n");
  ASSERT_EQ(boxes.errors.size(), 1u) << "the first pass of the show sequence fails";
  EXPECT_EQ(boxes.errors[0], "Keldra v3.6f: '' is not a valid integer value");
  EXPECT_EQ(Passes(), 1u) << "the rows done before the bad slot are shown all the same";
  EXPECT_EQ(view.rows[1].label, "C:");
  // While the box is open, ticks keep failing; their reports are not stacked on it.
  int nested_ticks = 0;
  boxes.while_open = [&] {
    if (nested_ticks++ < 3) main.Guarded([&] { main.Timer1Timer(); });
  };
  main.Guarded([&] { main.Timer1Timer(); });
  EXPECT_EQ(boxes.errors.size(), 2u);
  EXPECT_EQ(nested_ticks, 1);
  EXPECT_EQ(view.spinner, "=");
}

TEST_F(Main_Behaviour, TimerOneRestartsOnlyForANewIntervalAndZeroStopsIt) {
  EXPECT_EQ(main.Timer_Interval(), ui::Timer1_Design_Interval);
  for (std::uint32_t interval : {30000u, 45000u, 45000u, 0u, 0u, 0xFFFFFFFFu}) {
    main.Set_Timer_Interval(interval);
  }
  // 0 stops Timer1; "-1" in a hand-edited file is the longest wait a timer has.
  EXPECT_EQ(view.ticks_started, (std::vector<std::optional<int>>{45000, std::nullopt, 2147483647}));
}

TEST_F(Main_Behaviour, AlwaysOnTopIsAppliedOnEveryToggleAndAutoRunMarksOnlySuccess) {
  Show("[keldra]\nAlways_on_Top_Option=1\n");
  EXPECT_TRUE(view.on_top_mark);
  EXPECT_EQ(view.keep_above, (std::vector<bool>{true})) << "the loaded mark, applied";
  main.Toggle_Always_on_Top();
  main.Toggle_Always_on_Top();
  EXPECT_EQ(view.keep_above, (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(main.Always_On_Top_Mark());

  registry.writable = false;
  main.Guarded([&] { main.Auto_Run_at_Windows_Startup_OptionClick(); });  // as a menu item runs
  EXPECT_FALSE(view.auto_run_mark);
  EXPECT_EQ(boxes.errors,
            (std::vector<std::string>{"Keldra v3.6f: Failed to set data for 'keldra'"}));
  registry.writable = true;
  main.Auto_Run_at_Windows_Startup_OptionClick();
  EXPECT_TRUE(view.auto_run_mark);
  EXPECT_EQ(registry.values.size(), 1u);
  main.Auto_Run_at_Windows_Startup_OptionClick();
  EXPECT_FALSE(view.auto_run_mark);
  EXPECT_TRUE(registry.values.empty());
}

TEST_F(Main_Behaviour, TheRegistryNotTheSettingsFileDecidesTheAutoRunMark) {
  Show("[keldra]\nAuto_Run_at_Windows_Startup_Option=1\n");
  EXPECT_FALSE(view.auto_run_mark) << "no value: off, whatever the file says";
  EXPECT_TRUE(boxes.shown.empty());
  // A value of another type ends the show sequence, keeping the file's mark.
  registry.values[{platform::Registry_Root::Local_Machine, std::string(settings::Run_Key_Path + 1),
                   "keldra"}] = {platform::Registry_Type::Other, ""};
  main.FormShow();
  EXPECT_TRUE(view.auto_run_mark);
  ASSERT_EQ(boxes.errors.size(), 1u);
  EXPECT_EQ(boxes.errors[0], "Keldra v3.6f: Invalid data type for 'keldra'");
}

TEST_F(Main_Behaviour, ClosingSavesTheSettingsInEffect) {
  Show("[keldra]\ndrive_being_monitored_letters=cd\n");
  main.Set_Timer_Interval(15000);
  view.Move_Frame(-40, 7);
  EXPECT_TRUE(main.FormCloseQuery());
  const std::string text = Saved();
  for (const char* line : {"timer_interval=15000", "drive_being_monitored_letters=CD",
                           "window_left_posn=-40", "window_top_posn=7"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
  }
}

TEST_F(Main_Behaviour, TheSettingsSequenceFillsShowsReadsAndAppliesTheBoxesOnEveryClose) {
  Show(
      "[keldra]\ntimer_interval=45500\ndrive_being_monitored_letters=DC\nAlways_on_Top_Option=1\n");
  view.keep_above.clear();
  options_view.while_open = [&] {
    EXPECT_EQ(options_view.entries, (std::vector<std::string>{"C", "D"}));
    EXPECT_EQ(options_view.interval_text, "45");
    EXPECT_TRUE(options_view.on_top);
    // A tick while it is open reads the live total box, not the list.
    options_view.show_total = true;
    options.Run_Command(ui::Options_Show_Total);
    table.drives = {{'E', "/e", platform::Drive_Type::Fixed, "e", ""}};
    options.Fill_Chooser();
    options.DriveComboBox1Pick(0);
    options.AddButtonClick();
    main.Timer1Timer();
    EXPECT_EQ(view.rows.Shown(), (std::vector<int>{1, 2, 3}));
    options_view.on_top = false;
    options.Run_Command(ui::Options_Always_On_Top);
  };
  main.SettingsOptionClick();
  EXPECT_EQ(options_view.shown, 1);
  EXPECT_EQ(main.Monitored_Drive_Letters(), "CDE");
  EXPECT_EQ(main.Timer_Interval(), 45000u) << "whole seconds";
  EXPECT_EQ(view.rows.Shown(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_FALSE(view.on_top_mark);
  options_view.while_open = nullptr;
  main.SettingsOptionClick();
  EXPECT_EQ(view.keep_above, (std::vector<bool>{false, false})) << "applied again";
}

TEST_F(Main_Behaviour, RestoreFactoryDefaultsDeletesTheFileAndAppliesDefaultsAtOnce) {
  Show(
      "[keldra]\nwindow_top_posn=300\nwindow_left_posn=200\nwindow_ClientWidth=300\n"
      "timer_interval=5000\ndrive_being_monitored_letters=DE\nAlways_on_Top_Option=1\n");
  view.show_commands.clear();
  boxes.answers = {platform::Button_Yes};
  main.Restore_Factory_Defaults_OptionClick();
  EXPECT_FALSE(Exists(folder / "keldra.ini"));
  ASSERT_EQ(view.show_commands.size(), 2u);
  EXPECT_EQ(view.show_commands[0], -1) << "out of maximised or minimised before placing";
  EXPECT_EQ(main.Monitored_Drive_Letters(), "C");
  EXPECT_EQ(main.Timer_Interval(), 30000u);
  EXPECT_EQ(std::make_tuple(view.left, view.top, view.width), std::make_tuple(50, 50, 189));
  EXPECT_FALSE(view.on_top_mark);
  EXPECT_FALSE(view.keep_above.back());
  EXPECT_EQ(view.rows.client_height, 29);
  EXPECT_TRUE(main.FormCloseQuery());
  EXPECT_NE(Saved().find("drive_being_monitored_letters=C\r\n"), std::string::npos);

  // Answered no, nothing changes.
  Show("[keldra]\ntimer_interval=5000\n");
  boxes.answers = {platform::Button_No};
  main.Restore_Factory_Defaults_OptionClick();
  EXPECT_TRUE(Exists(folder / "keldra.ini"));
  EXPECT_EQ(main.Timer_Interval(), 5000u);
}

TEST_F(Main_Behaviour, DroppedFilesAddTheirDrivesSortedWithOnePass) {
  table.forms = {{"/mnt/e", 'E'}, {"/mnt/d", 'D'}, {"/", 'C'}};
  Show("[keldra]\ndrive_being_monitored_letters=E\ntimer_interval=45500\n");
  std::size_t before = Passes();
  main.Files_Dropped({"/mnt/e/file.txt"});  // a monitored drive: nothing changes, one pass
  EXPECT_EQ(main.Monitored_Drive_Letters(), "E");
  EXPECT_EQ(Passes(), before + 1);
  EXPECT_EQ(main.Timer_Interval(), 45500u) << "a drop that adds nothing leaves the interval";

  before = Passes();
  main.Files_Dropped({"/mnt/d/a", "/home/me/b.txt", "elsewhere/x", "/mnt/d/folder"});
  EXPECT_EQ(main.Monitored_Drive_Letters(), "CDE");
  EXPECT_EQ(Passes(), before + 1) << "one pass at the end";
  EXPECT_EQ(main.Timer_Interval(), 45000u) << "whole seconds after an added drive";
  EXPECT_EQ(view.rows[1].label, "C:");
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(Main_Behaviour, TheHelpMenuOpensTheDocumentsBesideTheExecutable) {
  Show("[keldra]\n");
  main.View_Readme_file_OptionClick();
  ASSERT_EQ(launcher.started.size(), 1u);
  EXPECT_NE(launcher.started[0].find("keldra.txt]"), std::string::npos) << launcher.started[0];
  main.View_Shareware_Catalog_OptionClick();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("same directory as Keldra v3.6f.  "), std::string::npos);
  main.About1Click();
  EXPECT_EQ(about_view.shown, 1);
}

#ifndef _WIN32
TEST_F(Main_Behaviour, AReadOnlyFolderRefusesTheCloseAndEveryCloseSaysSo) {
  Show("[keldra]\n");
  ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
  EXPECT_FALSE(main.FormCloseQuery());
  EXPECT_FALSE(main.FormCloseQuery());
  ASSERT_EQ(boxes.errors.size(), 2u);
  EXPECT_EQ(boxes.errors[0], boxes.errors[1]);
  EXPECT_EQ(boxes.errors[0].rfind("Keldra v3.6f: Unable to write to ", 0), 0u) << boxes.errors[0];
  chmod(folder.Path().c_str(), 0755);
}

TEST_F(Main_Behaviour, RestoreFactoryDefaultsWhileAnotherProcessHoldsTheFileKeepsTheSettings) {
  Show("[keldra]\ntimer_interval=5000\ndrive_being_monitored_letters=DE\n");
  File_Holder holder(folder / "keldra.ini");
  ASSERT_TRUE(holder.Holding());
  boxes.answers = {platform::Button_Yes};
  main.Restore_Factory_Defaults_OptionClick();
  EXPECT_TRUE(Exists(folder / "keldra.ini"));
  EXPECT_EQ(main.Monitored_Drive_Letters(), "DE");
  EXPECT_EQ(main.Timer_Interval(), 5000u);
}
#endif

// The settings' first reader stopped by someone else (here: held at a gate until the
// wait is over): the window opens with the defaults, the user moves it, and the file's
// values come at the pass after a later reader answers, the move kept.
TEST_F(Main_Behaviour, SettingsThatAnswerLateAreAppliedAndWhatTheUserDidMeanwhileStays) {
  const std::string path = folder / "keldra.ini";
  Write_Settings(
      "[keldra]\nwindow_top_posn=300\nwindow_left_posn=400\ntimer_interval=5000\n"
      "drive_being_monitored_letters=cd\nShow_Total_of_All_Drives_CheckBox=1\n");
  const std::string gate = folder / "gate";
  Write_File(gate, "");
  const platform::Early_Job load = settings::Settings_Load_Job(path);
  platform::Start_Early_Jobs({{load.key,
                               [gate] {
                                 for (int i = 0; i < 3000 && Exists(gate); ++i)
                                   std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                 return std::string();
                               },
                               load.place}});
  main.FormShow();
  EXPECT_EQ(view.left, 50) << "the defaults until the file answers";
  EXPECT_EQ(main.Timer_Interval(), 30000u);
  view.Move_Frame(600, 500);  // the user moves the window meanwhile
  std::remove(gate.c_str());
  ASSERT_TRUE(Wait_Until([&] {
    main.Refresh_All_Drives();
    return main.Timer_Interval() == 5000;
  })) << "the file's values never came";
  EXPECT_EQ(main.Monitored_Drive_Letters(), "CD");
  EXPECT_TRUE(main.Show_Total());
  EXPECT_EQ(view.left, 600);
  EXPECT_EQ(view.top, 500);
  ASSERT_TRUE(main.FormCloseQuery());
  for (const char* line : {"window_left_posn=600", "window_top_posn=500", "timer_interval=5000",
                           "drive_being_monitored_letters=CD"}) {
    EXPECT_NE(Saved().find(line), std::string::npos) << line << " in\n" << Saved();
  }
}

#ifndef _WIN32
// A settings file that never answers (a link into a volume that hangs): closing
// keeps what the user changed if it can, and otherwise asks before losing it.
TEST_F(Main_Behaviour, AFileThatNeverAnsweredIsNeverOverwrittenSilently) {
  Hung_Volume hung(folder / "dead", "deep-gate=" + (folder / "gate"));
  if (!hung.Mounted()) GTEST_SKIP() << "no hung FUSE volume here: " << hung.Why_Not();
  Write_File(folder / "gate", "");
  ASSERT_EQ(symlink((folder / "dead/keldra.ini").c_str(), (folder / "keldra.ini").c_str()), 0);
  main.FormShow();
  view.Move_Frame(600, 500);
  boxes.answers = {platform::Button_No, platform::Button_Yes};
  EXPECT_FALSE(main.FormCloseQuery()) << "No keeps the window";
  EXPECT_TRUE(main.FormCloseQuery()) << "Yes closes it";
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text, ui::Late_Settings_Close_Question(folder / "keldra.ini"));
  EXPECT_EQ(boxes.shown[0].kind, platform::Message_Kind::Warning);
  EXPECT_TRUE(boxes.errors.empty());
}
#endif

}  // namespace
}  // namespace keldra::test
