kp_add_test(tst_productconfig LABELS unit SOURCES tst_productconfig.cpp LIBS kp_framework_core)
target_compile_definitions(tst_productconfig PRIVATE KESTREL_RCC="$<TARGET_FILE:Qt6::rcc>")
kp_add_test(tst_srcmgr LABELS unit SOURCES tst_srcmgr.cpp LIBS kp_framework_core)
target_compile_definitions(tst_srcmgr PRIVATE KESTREL_RCC="$<TARGET_FILE:Qt6::rcc>"
  KESTREL_LRELEASE="$<TARGET_FILE:Qt6::lrelease>")
kp_add_test(tst_srcmgr_scaled LABELS unit SOURCES tst_srcmgr_scaled.cpp LIBS kp_framework_core
            ENV "QT_ENABLE_HIGHDPI_SCALING=0;QT_FONT_DPI=144")
kp_add_test(tst_settings LABELS unit SOURCES tst_settings.cpp LIBS kp_framework_core)
