# (Listed in full: this file is read before the ones that name the shared fixtures.)
# Title changes on a disc of several episodes, straight on the playback engine.
kp_add_test(tst_bluraytitles LABELS disc playback
  SOURCES tst_bluraytitles.cpp fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/mediafixture.h fixtures/mediafixture.cpp
          fixtures/playerprobe.h fixtures/playerprobe.cpp
  LIBS kp_player_engine
  ENV "KESTREL_VLC_OPTIONS=--quiet --aout=dummy --no-disable-screensaver --avcodec-hw=none --vout=dummy")
target_compile_definitions(tst_bluraytitles PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
# Authoring the series disc encodes six minutes of video on the first run.
set_tests_properties(tst_bluraytitles PROPERTIES TIMEOUT 600)
