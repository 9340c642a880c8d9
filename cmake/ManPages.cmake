# Manual pages are installed compressed (gzip -n: no name or time stamp, so
# the package is the same from one build to the next).
#   gravitaria_add_man_page(<roff source> <section>)
function(gravitaria_add_man_page source section)
  get_filename_component(name ${source} NAME)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9 -n -c ${source} > ${out}
    DEPENDS ${source} VERBATIM)
  add_custom_target(man-${name} ALL DEPENDS ${out})
  include(GNUInstallDirs)
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
