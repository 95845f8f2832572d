# The staged program against damaged media generated at test time, opened
# from the command line and by hand-over, in lanes that each run on a display
# of their own.
kp_add_test(tst_damagedcorpus OWN_DISPLAY LABELS e2e
  SOURCES tst_damagedcorpus.cpp fixtures/damagedmedia.h fixtures/damagedmedia.cpp
          fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/mediafixture.h fixtures/mediafixture.cpp
  LIBS Qt6::Widgets
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy" "QTEST_FUNCTION_TIMEOUT=1800000"
  TIMEOUT 1800)
target_compile_definitions(tst_damagedcorpus PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media"
  KESTREL_WITH_DISPLAY="${PROJECT_SOURCE_DIR}/scripts/with-display.sh")
