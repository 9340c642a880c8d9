# Installs the build tree into a scratch prefix and checks that the program,
# the table tool, their manual pages, the desktop entry, the metainfo, the
# icon at every size of the theme and the package documents land where the
# desktop and the package expect them.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P program_install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()
foreach(file
    bin/gravitaria
    bin/gravitaria-table
    share/man/man1/gravitaria.1.gz
    share/man/man1/gravitaria-table.1.gz
    share/applications/org.example.Gravitaria.desktop
    share/metainfo/org.example.Gravitaria.metainfo.xml
    share/doc/gravitaria/copyright
    share/doc/gravitaria/changelog.gz)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# Each icon is a PNG of its directory's size (width and height in the header).
foreach(size 16 32 48 64 128 256)
  set(icon "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/gravitaria.png")
  if(NOT EXISTS "${icon}")
    message(FATAL_ERROR "not installed: the ${size} px icon")
  endif()
  file(READ "${icon}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 16 dims)
  string(SUBSTRING "${dims}" 0 8 wh)
  string(SUBSTRING "${dims}" 8 8 hh)
  math(EXPR w "0x${wh}")
  math(EXPR h "0x${hh}")
  if(NOT header MATCHES "^89504e47" OR NOT w EQUAL size OR NOT h EQUAL size)
    message(FATAL_ERROR "the ${size} px icon is not a ${size} x ${size} PNG (${w} x ${h})")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/org.example.Gravitaria.desktop" entry)
if(NOT entry MATCHES "\nExec=gravitaria\n" OR NOT entry MATCHES "\nIcon=gravitaria\n")
  message(FATAL_ERROR "the installed entry does not start the installed program with its icon")
endif()
message(STATUS "installed under ${PREFIX}")
