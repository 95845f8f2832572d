# The Blu-ray navigation menu, on a live window and a real player.
kp_add_test(tst_bluraymenu LABELS gui disc
  SOURCES tst_bluraymenu.cpp fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          ${KP_ENGINE_FIXTURES}
  LIBS kp_player_discs
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET} --vout=dummy")
target_compile_definitions(tst_bluraymenu PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
set_tests_properties(tst_bluraymenu PROPERTIES TIMEOUT 600)
add_dependencies(tst_bluraymenu kp_languages)

# Disc folders and images, the mount table and the disc dialogs.
kp_add_test(tst_discs LABELS gui disc
  SOURCES tst_discs.cpp fixtures/blurayauthor.h fixtures/blurayauthor.cpp
          fixtures/mediafixture.h fixtures/mediafixture.cpp ${KP_FRAMEWORK_FIXTURE}
  LIBS kp_player_discs)
target_compile_definitions(tst_discs PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
set_tests_properties(tst_discs PROPERTIES TIMEOUT 600)
add_dependencies(tst_discs kp_languages)
