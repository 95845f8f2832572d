# The user's private places: runtime folder, lock, segments, temporary output.
kp_add_test(tst_userplaces LABELS unit SOURCES tst_userplaces.cpp LIBS kp_framework_core kp_platform)

# The staged program started as a user, a desktop or a package script starts it.
kp_add_test(tst_entry_e2e LABELS e2e
  SOURCES tst_entry_e2e.cpp fixtures/mediafixture.h fixtures/mediafixture.cpp
    fixtures/stagedcopies.h fixtures/stagedcopies.cpp
  LIBS kp_framework_core kp_platform
  ENV "KESTREL_VLC_OPTIONS=${KP_ENGINE_QUIET}")
target_compile_definitions(tst_entry_e2e PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
