# The staged program against damaged media generated at test time, opened
# from the command line and by hand-over.
kp_add_test(tst_damagedcorpus OWN_DISPLAY LABELS e2e
  SOURCES tst_damagedcorpus.cpp fixtures/damagedmedia.h fixtures/damagedmedia.cpp
          fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/mediafixture.h fixtures/mediafixture.cpp
  LIBS Qt6::Widgets
  # Each of its two passes starts the player dozens of times: longer than
  # Qt Test's five minutes per function in the sanitizer build.
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy" "QTEST_FUNCTION_TIMEOUT=1200000"
  TIMEOUT 1800)
target_compile_definitions(tst_damagedcorpus PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
# Off until its intermittent misses are understood: now and then one file
# (a different one each run, more often under load) reports neither playback
# nor a message within the 15 s. Run it by hand with
#   ctest --test-dir build -R tst_damagedcorpus
# after removing this line.
set_tests_properties(tst_damagedcorpus PROPERTIES DISABLED TRUE)
