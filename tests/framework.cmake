# The window framework: frame, title bars, dialogs, message box, about box and
# the main window base.
set(KP_FRAMEWORK_FIXTURE tst_frameworkfixture.h tst_frameworkfixture.cpp)
foreach(suite tst_frame tst_titlebar tst_dialog tst_messagebox tst_about)
  kp_add_test(${suite} LABELS gui SOURCES ${suite}.cpp ${KP_FRAMEWORK_FIXTURE}
              LIBS kp_framework_ui)
  add_dependencies(${suite} kp_help kp_languages)
endforeach()
kp_add_test(tst_mainwindowbase LABELS gui
  SOURCES tst_mainwindowbase.cpp ${KP_FRAMEWORK_FIXTURE} LIBS kp_player_ui)
add_dependencies(tst_mainwindowbase kp_help kp_languages)

# Dialog placement across two screens, side by side, on a virtual display.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/twoscreens.json [=[
{ "screens": [
  { "name": "left", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "dpr": 1 },
  { "name": "right", "x": 800, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "dpr": 1 }
] }
]=])
kp_add_test(tst_dialog_screens LABELS gui
  SOURCES tst_dialog_screens.cpp ${KP_FRAMEWORK_FIXTURE} LIBS kp_framework_ui
  ENV "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_BINARY_DIR}/twoscreens.json")
