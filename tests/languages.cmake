kp_add_test(tst_skinlanguage_live LABELS gui SOURCES tst_skinlanguage_live.cpp LIBS kp_entry)
kp_add_test(tst_splashscreen LABELS gui SOURCES tst_splashscreen.cpp LIBS kp_entry)
add_test(NAME tst_splashscreen_scaled COMMAND tst_splashscreen scaledBuiltInSize)
set_tests_properties(tst_splashscreen_scaled PROPERTIES LABELS gui
                     ENVIRONMENT "QT_ENABLE_HIGHDPI_SCALING=0;QT_FONT_DPI=144")
