kp_add_test(tst_startup LABELS gui SOURCES tst_startup.cpp LIBS kp_entry)
