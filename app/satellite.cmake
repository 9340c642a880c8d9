# Main simulation window sources: list(APPEND APP_SOURCES ...)
# The layout, parameter handlers and error report, then the flight run and
# map handlers (satellite_run.cpp, satellite_map.cpp) appended below them.
list(APPEND APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/error_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memo_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/radio_group.cpp
  ${CMAKE_CURRENT_LIST_DIR}/track_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_params.cpp
)
list(APPEND APP_SOURCES ${CMAKE_CURRENT_LIST_DIR}/satellite_run.cpp ${CMAKE_CURRENT_LIST_DIR}/satellite_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_events.h ${CMAKE_CURRENT_LIST_DIR}/run_events.cpp)
# The comparison of the integration methods.
list(APPEND APP_SOURCES ${CMAKE_CURRENT_LIST_DIR}/method_comparison_panel.cpp)
# The flight report: the page "Bilan", the flights window, the swept areas.
list(APPEND APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/page_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bilan_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/flights_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/satellite_bilan.cpp
)
