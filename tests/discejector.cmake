# Ejecting as a normal user through a stand-in udisks on a private bus.
kp_add_test(tst_discejector SESSION_BUS LABELS unit
  SOURCES tst_discejector.cpp
  LIBS kp_platform Qt6::DBus)
