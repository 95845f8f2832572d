# The shared library exports a_entry and nothing else.
add_test(NAME libkestrel_exports_only_a_entry
         COMMAND sh -c "test \"$(nm -D --defined-only $<TARGET_FILE:kestrel> | awk '{print $3}')\" = a_entry")
set_tests_properties(libkestrel_exports_only_a_entry PROPERTIES LABELS unit)
