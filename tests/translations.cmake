kp_add_test(tst_translations LABELS unit SOURCES tst_translations.cpp LIBS Qt6::Xml Qt6::Widgets)
target_compile_definitions(tst_translations PRIVATE KESTREL_LUPDATE="$<TARGET_FILE:Qt6::lupdate>")
