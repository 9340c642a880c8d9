# Flight run, map handlers and pointer readout tests.
if(TARGET gravitaria_charts)
  gravitaria_add_gtest(run_readout_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/run_readout_test.cpp
    LIBS gravitaria_charts)
endif()
