# Playback engine: real libVLC playback of media that ffmpeg makes at test time.
set(KP_ENGINE_QUIET "--quiet --aout=dummy --no-disable-screensaver --avcodec-hw=none")
set(KP_ENGINE_FIXTURES
  fixtures/mediafixture.h fixtures/mediafixture.cpp
  fixtures/playerprobe.h fixtures/playerprobe.cpp)

function(kp_add_engine_test name)
  cmake_parse_arguments(E "" "" "LABELS;SOURCES;ENV" ${ARGN})
  kp_add_test(${name} LABELS ${E_LABELS} SOURCES ${E_SOURCES} ${KP_ENGINE_FIXTURES}
              LIBS kp_player_engine ENV ${E_ENV})
  target_compile_definitions(${name} PRIVATE
    KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
endfunction()

kp_add_engine_test(tst_playerengine LABELS playback SOURCES tst_playerengine.cpp
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy")

kp_add_engine_test(tst_bluray LABELS disc
  SOURCES tst_bluray.cpp fixtures/blurayauthor.h fixtures/blurayauthor.cpp
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy")
# Authoring the disc encodes a minute of video on the first run.
set_tests_properties(tst_bluray PROPERTIES TIMEOUT 600)

# The surfaces on the display the suite runs on, with libVLC's X11 output
# (the default OpenGL output would render in software there).
kp_add_engine_test(tst_surfaces LABELS gui SOURCES tst_surfaces.cpp
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib")

# The output chosen for the display's OpenGL driver: needs a display whose
# OpenGL renders in software, as Xvfb's does.
kp_add_engine_test(tst_videooutput LABELS gui SOURCES tst_videooutput.cpp
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET}")
