# How each open ends in the real window: playback or one naming message;
# Stop and the slow-open notice end an open libVLC would probe for minutes.
kp_add_test(tst_openingoutcomes LABELS gui playback
  SOURCES tst_openingoutcomes.cpp fixtures/damagedmedia.h fixtures/damagedmedia.cpp
          fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/playerwindowfixture.h fixtures/playerwindowfixture.cpp
          ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib"
  TIMEOUT 600)
target_compile_definitions(tst_openingoutcomes PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_openingoutcomes kp_languages)
