# Full screen with real X input on a display of its own, and the zoom presets'
# arithmetic.
kp_add_test(tst_fullscreen OWN_DISPLAY LABELS gui playback
  SOURCES tst_fullscreen.cpp ${KP_ENGINE_FIXTURES} ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_ui
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --no-xlib"
  TIMEOUT 900)
target_compile_definitions(tst_fullscreen PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_fullscreen kp_languages kp_help)

kp_add_test(tst_zoomgeometry LABELS unit SOURCES tst_zoomgeometry.cpp LIBS kp_player_ui)
