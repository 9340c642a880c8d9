# Parameter rules and presets: pure tests, no widgets.
gravitaria_add_gtest(parameter_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/parameter_rules_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/presets_test.cpp
  LIBS gravitaria_scenario)
# The flight report's texts: pure tests, no widgets.
gravitaria_add_gtest(flight_report_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/flight_report_test.cpp
  LIBS gravitaria_scenario)
