# The player window with real playback on the display the suite runs on.
kp_add_test(tst_mainwindow LABELS gui playback
  SOURCES tst_mainwindow.cpp fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib")
target_compile_definitions(tst_mainwindow PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
set_tests_properties(tst_mainwindow PROPERTIES TIMEOUT 600)
add_dependencies(tst_mainwindow kp_languages kp_help)
