# What a new user meets first, through real X input and the pixels on the
# screen: the Open File dialog in each skin, dragging the seek handle and
# clicking the volume bar while a clip plays, double clicks on the caption,
# and the framework windows at twice the pixel density.
set(KP_XINPUT fixtures/xinput.h fixtures/xinput.cpp)

# A suite of the player window with generated media.
function(kp_add_player_input_test name)
  cmake_parse_arguments(P "" "" "LABELS;ENV" ${ARGN})
  kp_add_test(${name} LABELS ${P_LABELS}
    SOURCES ${name}.cpp ${KP_XINPUT} ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
    LIBS kp_player_ui ENV ${P_ENV})
  target_compile_definitions(${name} PRIVATE
    KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
  add_dependencies(${name} kp_languages kp_help)
endfunction()

kp_add_player_input_test(tst_opendialog LABELS gui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy")
kp_add_player_input_test(tst_sliderinput LABELS gui playback
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib")
kp_add_player_input_test(tst_titlebarclicks LABELS gui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy")

kp_add_test(tst_hidpi LABELS gui
  SOURCES tst_hidpi.cpp ${KP_XINPUT} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_framework_ui
  ENV "QT_SCALE_FACTOR=2")
add_dependencies(tst_hidpi kp_languages)
