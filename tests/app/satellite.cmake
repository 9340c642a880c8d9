# Main window tests: the layout, the presets, the parameter handlers, the
# resizing rules, the small controls and the error report. Number texts are
# checked under a French locale and under the C locale.
set(SATELLITE_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/satellite_create_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_presets_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_params_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_resize_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_drawing_test.cpp
)
gravitaria_add_gtest(satellite_form_test
  SOURCES ${SATELLITE_TEST_SOURCES}
  LIBS gravitaria_app Qt6::Test)
set_tests_properties(satellite_form_test PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=fr_FR.UTF-8")
add_test(NAME satellite_form_test_c_locale COMMAND satellite_form_test)
set_tests_properties(satellite_form_test_c_locale PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C")
