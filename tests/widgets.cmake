# The custom widget library.
kp_add_test(tst_seekingbar LABELS gui SOURCES tst_seekingbar.cpp LIBS kp_widgets)
