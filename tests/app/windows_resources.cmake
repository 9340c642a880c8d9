# The program's resource script (version record, icon, manifest) compiled
# with the resource compiler into a test that reads them back through the
# Windows API, as Explorer's properties page and the loader do.
set(GRAVITARIA_RC_DIR ${PROJECT_SOURCE_DIR}/app/resources/windows)
gravitaria_add_gtest(windows_resources_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/windows_resources_test.cpp ${GRAVITARIA_RC_DIR}/gravitaria.rc
  LIBS version)
target_include_directories(windows_resources_test PRIVATE ${GRAVITARIA_RC_DIR})
target_compile_definitions(windows_resources_test PRIVATE
  GRAVITARIA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  GRAVITARIA_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  GRAVITARIA_PROJECT_VERSION="${PROJECT_VERSION}")
