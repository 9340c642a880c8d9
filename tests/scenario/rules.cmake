# Parameter rules and presets: pure tests, no widgets.
gravitaria_add_gtest(parameter_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/parameter_rules_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/presets_test.cpp
  LIBS gravitaria_scenario)
