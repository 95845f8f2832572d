# Faults of a careless or hostile world: other users' segments, many later
# starts at once, damaged product and layout files, signals during start-up.
add_executable(kp-foreign-segment foreignsegmenthelper.cpp)
set_target_properties(kp-foreign-segment PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${KESTREL_TEST_BIN_DIR})

kp_add_test(tst_handoverqueue LABELS unit
  SOURCES tst_handoverqueue.cpp helperprocess.h helperprocess.cpp
  LIBS kp_framework_core kp_platform)
add_dependencies(tst_handoverqueue kp-singleinstance-helper)

kp_add_test(tst_foreignsegments LABELS e2e
  SOURCES tst_foreignsegments.cpp fixtures/mediafixture.h fixtures/mediafixture.cpp
  LIBS kp_entry
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET}")
target_compile_definitions(tst_foreignsegments PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
add_dependencies(tst_foreignsegments kp-foreign-segment)

kp_add_test(tst_startupfaults LABELS e2e
  SOURCES tst_startupfaults.cpp fixtures/mediafixture.h fixtures/mediafixture.cpp
    fixtures/stagedcopies.h fixtures/stagedcopies.cpp
  LIBS kp_framework_core kp_platform
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET}")
target_compile_definitions(tst_startupfaults PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")

kp_add_test(tst_untrustedfiles LABELS gui
  SOURCES tst_untrustedfiles.cpp
  LIBS kp_entry)

kp_add_test(tst_settingswrites LABELS unit
  SOURCES tst_settingswrites.cpp
  LIBS kp_player_ui)
