# The keyboard under real X input while generated media plays: seeking,
# volume, speed, delays, the on-screen text over the X11 video output, in the
# window, in full screen and with a slider focused; the shortcuts window and
# Go to Time.
kp_add_player_input_test(tst_playerkeys LABELS gui playback
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib")
target_sources(tst_playerkeys PRIVATE fixtures/playerwindowfixture.h
  fixtures/playerwindowfixture.cpp)
kp_add_test(tst_keyhelpers LABELS unit
  SOURCES tst_keyhelpers.cpp
  LIBS kp_player_ui)
