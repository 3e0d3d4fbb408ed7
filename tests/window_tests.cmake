# Included by tests/CMakeLists.txt where the window (keldra) is built: its widget
# tests and the smoke tests that drive the real program.
# The window's tests: real widgets on Qt's offscreen platform.
add_executable(keldra_ui_tests
  ui/qt/ui_test_main.cpp
  ui/qt/about_box_test.cpp
  ui/qt/display_platform_test.cpp
  ui/qt/bad_input_test.cpp
  ui/qt/chooser_report_test.cpp
  ui/qt/hung_volume_window_test.cpp
  ui/qt/main_form_test.cpp
  ui/qt/main_form_settings_test.cpp
  ui/qt/options_setup_test.cpp
  ui/qt/percent_gauge_test.cpp
  ui/qt/refresh_timer_test.cpp
)
set_target_properties(keldra_ui_tests PROPERTIES AUTOMOC ON)
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(keldra_ui_tests PRIVATE keldra_test_fakes keldra_ui Qt6::Test GTest::gtest)
target_compile_definitions(keldra_ui_tests PRIVATE KELDRA_REPORT_PATH="$<TARGET_FILE:keldra-report>")
add_dependencies(keldra_ui_tests keldra-report)
gtest_discover_tests(keldra_ui_tests DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The real program on a real X server, as a user sees it.
add_test(NAME Xvfb_Smoke
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/xvfb_smoke.sh $<TARGET_FILE_DIR:keldra>
          ${CMAKE_BINARY_DIR})
set_tests_properties(Xvfb_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180)

# Restore Factory Defaults under a real window manager, from moved and maximised.
add_test(NAME Restore_Smoke
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/restore_smoke.sh $<TARGET_FILE_DIR:keldra>
          ${CMAKE_BINARY_DIR})
set_tests_properties(Restore_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)

# The session ending without a close: SIGTERM, SIGHUP and the X server gone.
add_test(NAME Session_End_Smoke
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/session_end_smoke.sh $<TARGET_FILE_DIR:keldra>
          ${CMAKE_BINARY_DIR})
set_tests_properties(Session_End_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)

# Nothing but Keldra's own files looked up beside the executable, from start to close.
add_test(NAME Program_Folder_Smoke
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/program_folder_smoke.sh
          $<TARGET_FILE_DIR:keldra> ${CMAKE_BINARY_DIR})
set_tests_properties(Program_Folder_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)

# A real drag and drop onto the window, from a source that proposes a move.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_executable(drag_source system/drag_source.cpp)
target_link_libraries(drag_source PRIVATE Qt6::Widgets)
add_test(NAME Drop_Smoke
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/drop_smoke.sh $<TARGET_FILE_DIR:keldra>
          $<TARGET_FILE:drag_source> ${CMAKE_BINARY_DIR})
set_tests_properties(Drop_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)

# A Wayland session with XWayland: the window's choice of display platform.
add_test(NAME Wayland_Smoke
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/wayland_smoke.sh $<TARGET_FILE_DIR:keldra>)
set_tests_properties(Wayland_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)

# An installation as the README recommends it, started from where it was installed.
add_test(NAME Install_Smoke
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/install_smoke.sh ${CMAKE_BINARY_DIR}
          ${CMAKE_SOURCE_DIR})
set_tests_properties(Install_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180
  DEPENDS Xvfb_Smoke)

# Volumes that stop answering, reached in every way a user's setup can reach them:
# the window pinged throughout, keldra-report timed.
find_library(KELDRA_XCB_LIBRARY xcb)
if(FUSE3_FOUND AND KELDRA_XCB_LIBRARY)
  add_executable(window_pinger system/window_pinger.c)
  target_link_libraries(window_pinger PRIVATE ${KELDRA_XCB_LIBRARY})
  add_test(NAME Never_Frozen_Smoke
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/never_frozen_smoke.sh
            $<TARGET_FILE_DIR:keldra> $<TARGET_FILE:hung_fs> $<TARGET_FILE:window_pinger>
            $<TARGET_FILE:drag_source> ${CMAKE_BINARY_DIR})
  set_tests_properties(Never_Frozen_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)
endif()
if(FUSE3_FOUND)
  # keldra.ini on a share that answers after the window is up, or never.
  add_test(NAME Late_Settings_Smoke
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/system/late_settings_smoke.sh
            $<TARGET_FILE_DIR:keldra> $<TARGET_FILE:hung_fs> ${CMAKE_BINARY_DIR})
  set_tests_properties(Late_Settings_Smoke PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()

# Not a test: pictures of the three windows, to compare a rebuilt face with.
add_executable(keldra_window_pictures ui/qt/window_pictures.cpp)
target_link_libraries(keldra_window_pictures PRIVATE keldra_test_fakes keldra_ui)
