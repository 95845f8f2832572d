# (Listed in full: this file is read before the ones that name the shared fixtures.)
# Title and subtitle choices on the fixture discs through the real player window.
kp_add_test(tst_bluraychoices LABELS gui disc playback
  SOURCES tst_bluraychoices.cpp fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          fixtures/mediafixture.h fixtures/mediafixture.cpp
          fixtures/playerprobe.h fixtures/playerprobe.cpp
          tst_frameworkfixture.h tst_frameworkfixture.cpp
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=--quiet --aout=dummy --no-disable-screensaver --avcodec-hw=none --no-xlib")
target_compile_definitions(tst_bluraychoices PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
set_tests_properties(tst_bluraychoices PROPERTIES TIMEOUT 600)
add_dependencies(tst_bluraychoices kp_languages kp_help)
