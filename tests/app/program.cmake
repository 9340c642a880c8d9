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
  GRAVITARIA_APP_RESOURCES="${PROJECT_SOURCE_DIR}/app/resources"
  GRAVITARIA_PACKAGING_DIR="${PROJECT_SOURCE_DIR}/packaging"
  GRAVITARIA_PROJECT_VERSION="${PROJECT_VERSION}")

gravitaria_add_gtest(program_windows_test
  SOURCES ${PROGRAM_TESTS_DIR}/program_windows_test.cpp ${PROGRAM_TESTS_DIR}/program_test_support.h
  LIBS gravitaria_app Qt6::Test)

# The real program under an X server (skipped when tools/test-all.sh has not
# started one), with a helper that saves pictures of its windows.
add_executable(x11_window_grab ${PROGRAM_TESTS_DIR}/x11_window_grab.cpp)
target_link_libraries(x11_window_grab PRIVATE Qt6::Gui)
find_package(PkgConfig REQUIRED)
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
gravitaria_add_gtest(program_xvfb_test
  SOURCES ${PROGRAM_TESTS_DIR}/program_xvfb_test.cpp
  LIBS Qt6::Gui PkgConfig::XCB)
target_compile_definitions(program_xvfb_test PRIVATE
  GRAVITARIA_PROGRAM="$<TARGET_FILE:gravitaria>"
  GRAVITARIA_GRAB_TOOL="$<TARGET_FILE:x11_window_grab>"
  GRAVITARIA_ARTIFACT_DIR="${CMAKE_CURRENT_BINARY_DIR}")
target_include_directories(program_xvfb_test PRIVATE ${PROJECT_SOURCE_DIR}/tests)
add_dependencies(program_xvfb_test gravitaria x11_window_grab)
set_tests_properties(program_xvfb_test PROPERTIES TIMEOUT 180)

gravitaria_add_gtest(program_random_test
  SOURCES ${PROGRAM_TESTS_DIR}/program_random_test.cpp
  LIBS gravitaria_app Qt6::Test)
set_tests_properties(program_random_test PROPERTIES TIMEOUT 600)

# cmake --install puts the program, its desktop entry, metainfo and icon in place.
add_test(NAME program_install_test
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
          -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-check
          -P ${PROGRAM_TESTS_DIR}/program_install_check.cmake)
