# Another copy of the program, played by a helper process.
add_executable(kp-singleinstance-helper singleinstancehelper.cpp)
target_link_libraries(kp-singleinstance-helper PRIVATE kp_entry)
set_target_properties(kp-singleinstance-helper PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${KESTREL_TEST_BIN_DIR})

kp_add_test(tst_handoverslot LABELS unit
  SOURCES tst_handoverslot.cpp helperprocess.h helperprocess.cpp
  LIBS kp_framework_core kp_platform)
kp_add_test(tst_singleinstance LABELS unit
  SOURCES tst_singleinstance.cpp helperprocess.h helperprocess.cpp
  LIBS kp_entry)
add_dependencies(tst_handoverslot kp-singleinstance-helper)
add_dependencies(tst_singleinstance kp-singleinstance-helper)

kp_add_test(tst_singleinstance_e2e LABELS e2e
  SOURCES tst_singleinstance_e2e.cpp fixtures/mediafixture.h fixtures/mediafixture.cpp
  LIBS kp_framework_core)
target_compile_definitions(tst_singleinstance_e2e PRIVATE
  KESTREL_TEST_MEDIA_DIR="${CMAKE_BINARY_DIR}/tests/media")
