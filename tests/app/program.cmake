# Program, start window and extract window tests.
set(PROGRAM_TESTS_DIR ${CMAKE_CURRENT_LIST_DIR})

gravitaria_add_gtest(program_pictures_test
  SOURCES ${PROGRAM_TESTS_DIR}/program_pictures_test.cpp
  LIBS gravitaria_app)

gravitaria_add_gtest(program_files_test
  SOURCES ${PROGRAM_TESTS_DIR}/program_files_test.cpp
  LIBS Qt6::Core)
target_include_directories(program_files_test PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_compile_definitions(program_files_test PRIVATE
  GRAVITARIA_APP_RESOURCES="${PROJECT_SOURCE_DIR}/app/resources")

gravitaria_add_gtest(program_windows_test
  SOURCES ${PROGRAM_TESTS_DIR}/program_windows_test.cpp ${PROGRAM_TESTS_DIR}/program_test_support.h
  LIBS gravitaria_app Qt6::Test)
