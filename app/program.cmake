# Start-up, start window and extract window, navigation between the windows,
# the pictures stored in the program, and the executable with its desktop
# integration.
set(GRAVITARIA_PROGRAM_DIR ${CMAKE_CURRENT_LIST_DIR})
list(APPEND APP_SOURCES
  ${GRAVITARIA_PROGRAM_DIR}/click_label.cpp
  ${GRAVITARIA_PROGRAM_DIR}/jpeg_picture.cpp
  ${GRAVITARIA_PROGRAM_DIR}/navigation.cpp
  ${GRAVITARIA_PROGRAM_DIR}/pictures.cpp
  ${GRAVITARIA_PROGRAM_DIR}/program_windows.cpp
  ${GRAVITARIA_PROGRAM_DIR}/splash_form.cpp
  ${GRAVITARIA_PROGRAM_DIR}/wiki_form.cpp
  ${GRAVITARIA_PROGRAM_DIR}/window_placement.cpp
)

# The pictures are Qt resources of gravitaria_app (":/gravitaria/pictures/..."),
# so the program and every test linking the library have them. Then the
# executable, the Windows resources and the install rules.
function(gravitaria_define_program)
  set(dir ${GRAVITARIA_PROGRAM_DIR})
  qt_add_resources(gravitaria_app "gravitaria_pictures"
    PREFIX "/gravitaria"
    BASE ${dir}/resources
    FILES
      ${dir}/resources/pictures/telescope.jpg
      ${dir}/resources/pictures/planets.jpg
      ${dir}/resources/pictures/gravitaria.png
      ${dir}/resources/pictures/bullet-newton.png
      ${dir}/resources/pictures/bullet-steps.png
      ${dir}/resources/pictures/bullet-planet.png
      ${dir}/resources/pictures/bullet-star.png)

  add_executable(gravitaria ${dir}/main.cpp)
  target_link_libraries(gravitaria PRIVATE gravitaria_app)
  if(WIN32)
    # Version record, icon and manifest (themed common controls, asInvoker).
    # (MinGW-w64 only: orbit/extended_float.h refuses MSVC.)
    target_sources(gravitaria PRIVATE ${dir}/resources/windows/gravitaria.rc)
    target_include_directories(gravitaria PRIVATE ${dir}/resources/windows)
    set_target_properties(gravitaria PROPERTIES WIN32_EXECUTABLE ON)
  endif()

  include(GNUInstallDirs)
  install(TARGETS gravitaria RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${dir}/resources/desktop/org.example.Gravitaria.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${dir}/resources/desktop/org.example.Gravitaria.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The icon at each size of the theme, each drawn at its own size.
  install(FILES ${dir}/resources/pictures/gravitaria.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
  foreach(size 16 48 64 128 256)
    install(FILES ${dir}/resources/icons/${size}x${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME gravitaria.png)
  endforeach()
  gravitaria_add_man_page(${dir}/resources/man/gravitaria.1 1)
endfunction()
