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
  # On a 200 % screen the printed page is that of the 1.0 screen.
  add_test(NAME run_print_test_scaled_2 COMMAND run_print_test)
  set_tests_properties(run_print_test_scaled_2 PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C;QT_SCALE_FACTOR=2")
  # One printing test at a time on the local PDF printer (see tests/charts).
  set_tests_properties(run_print_test run_print_test_c run_print_test_scaled_2 PROPERTIES
    RESOURCE_LOCK local_pdf_printer)
  gravitaria_add_run_window_test(run_events_test)
  gravitaria_add_run_window_test(comparison_panel_test)
  # The flight report; its pictures of the page go to the test's build folder.
  gravitaria_add_run_window_test(run_bilan_test)
  target_compile_definitions(run_bilan_test PRIVATE
    GRAVITARIA_ARTIFACT_DIR="${CMAKE_CURRENT_BINARY_DIR}")
endif()
