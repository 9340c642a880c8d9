# Flight run, map handlers and pointer readout tests.
if(TARGET gravitaria_charts)
  gravitaria_add_gtest(run_readout_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/run_readout_test.cpp
    LIBS gravitaria_charts)
endif()

# The window tests run under a French locale and under the C locale.
function(gravitaria_add_run_window_test name)
  gravitaria_add_gtest(${name}
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp ${CMAKE_CURRENT_LIST_DIR}/run_test_main.cpp
    LIBS gravitaria_app Qt6::Test)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=fr_FR.UTF-8")
  add_test(NAME ${name}_c COMMAND ${name})
  set_tests_properties(${name}_c PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C")
endfunction()

if(TARGET gravitaria_app)
  gravitaria_add_run_window_test(run_flight_test)
  gravitaria_add_run_window_test(run_map_test)
  gravitaria_add_run_window_test(run_print_test)
  # On a 200 % screen the clipboard bitmap, the disc in it and the printed
  # page are those of the 1.0 screen.
  foreach(name run_map_test run_print_test)
    add_test(NAME ${name}_scaled_2 COMMAND ${name})
    set_tests_properties(${name}_scaled_2 PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C;QT_SCALE_FACTOR=2")
  endforeach()
endif()
