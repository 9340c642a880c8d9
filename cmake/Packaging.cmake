# The Debian package (cpack -G DEB, wrapped by tools/package-deb.sh): what the
# install rules put in place, plus the copyright file and the changelog.
include(GNUInstallDirs)
set(GRAVITARIA_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/packaging/debian)
set(GRAVITARIA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/gravitaria)

# The changelog's newest entry must be this version.
file(STRINGS ${GRAVITARIA_DEBIAN_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^gravitaria \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog starts with \"${changelog_head}\", "
                      "not with the version ${PROJECT_VERSION}")
endif()

set(changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9 -n -c ${GRAVITARIA_DEBIAN_DIR}/changelog > ${changelog_gz}
  DEPENDS ${GRAVITARIA_DEBIAN_DIR}/changelog VERBATIM)
add_custom_target(debian-changelog ALL DEPENDS ${changelog_gz})
install(FILES ${GRAVITARIA_DEBIAN_DIR}/copyright ${changelog_gz} DESTINATION ${GRAVITARIA_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gravitaria)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brumadel)
set(CPACK_PACKAGE_CONTACT "Brumadel <contact@brumadel.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)   # gravitaria_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brumadel.example.org/aide/gravitaria/)
# The shared libraries' packages, plus the Tahoma face the windows are laid
# out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wine)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulation du mouvement de satellites pour le lycée")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Un satellite tourne autour d'un astre attracteur (la Terre, le Soleil, la
Lune ou un autre corps) sous la seule gravitation de Newton. Le mouvement est
calculé par la méthode de Runge-Kutta d'ordre 4 et tracé point par point sur
une carte carrée, avec la courbe des vitesses, un chronomètre de vol et la
détection des collisions. Le tableau des positions se colle dans un tableur ;
la carte s'imprime ou se copie dans le presse-papiers.

L'outil gravitaria-table écrit le même tableau sans fenêtre.")
include(CPack)
