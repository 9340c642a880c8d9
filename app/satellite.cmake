# Main simulation window sources: list(APPEND APP_SOURCES ...)
# The layout, parameter handlers and error report, then the flight run and
# map handlers (satellite_run.cpp, satellite_map.cpp) appended below them.
