# Installing, validating and packaging the built tree. A sanitizer build is
# never packaged, so it only runs in the normal build.
if(NOT KESTREL_SANITIZE)
  add_test(NAME tst_install
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/tst_install.sh ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(tst_install PROPERTIES LABELS package TIMEOUT 600)
endif()
