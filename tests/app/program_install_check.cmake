# Installs the build tree into a scratch prefix and checks that the program,
# its desktop entry, its metainfo and its icon land where the desktop looks.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P program_install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()
foreach(file
    bin/gravitaria
    share/applications/org.example.Gravitaria.desktop
    share/metainfo/org.example.Gravitaria.metainfo.xml
    share/icons/hicolor/32x32/apps/gravitaria.png)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/org.example.Gravitaria.desktop" entry)
if(NOT entry MATCHES "\nExec=gravitaria\n" OR NOT entry MATCHES "\nIcon=gravitaria\n")
  message(FATAL_ERROR "the installed entry does not start the installed program with its icon")
endif()
message(STATUS "installed under ${PREFIX}")
