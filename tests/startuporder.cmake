# The order of the start-up: the window's first picture before libVLC, and the
# single running copy's lock.
kp_add_test(tst_startuporder LABELS gui
  SOURCES tst_startuporder.cpp ${KP_FRAMEWORK_FIXTURE} LIBS kp_entry)
add_dependencies(tst_startuporder kp_help kp_languages)
