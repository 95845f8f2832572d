# The staged program under remote control on a private session bus: playerctl
# and gdbus drive it, a listener in the test hears what it announces. Its own
# display: the paused picture is compared in the window as the X server shows it.
kp_add_test(tst_mpris SESSION_BUS OWN_DISPLAY LABELS e2e
  SOURCES tst_mpris.cpp fixtures/mediafixture.h fixtures/mediafixture.cpp
          fixtures/stagedcopies.h fixtures/stagedcopies.cpp
  LIBS kp_framework_core kp_platform Qt6::DBus
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib"
  TIMEOUT 240)
target_compile_definitions(tst_mpris PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
