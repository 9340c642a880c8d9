# Compiler settings shared by every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic)
if(GRAVITARIA_WERROR)
  add_compile_options(-Werror)
endif()
if(GRAVITARIA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Adds a test executable linked with GoogleTest and registers it with ctest.
# Usage: gravitaria_add_gtest(NAME SOURCES... LIBS lib1 lib2)
function(gravitaria_add_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
