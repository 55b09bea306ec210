# What `cmake --install` puts in place, and the Debian package `cpack -G DEB` makes of it.
include(GNUInstallDirs)

set(SPANTORA_PACKAGE marvessa-spantora)
set(SPANTORA_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
set(SPANTORA_ICON_DIR ${PROJECT_SOURCE_DIR}/data/icons)
set(SPANTORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${SPANTORA_PACKAGE})

install(TARGETS marvessa-spantora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SPANTORA_DESKTOP_DIR}/${SPANTORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SPANTORA_DESKTOP_DIR}/${SPANTORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 64 128 256)
  install(FILES ${SPANTORA_ICON_DIR}/hicolor/${size}x${size}/${SPANTORA_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${SPANTORA_ICON_DIR}/${SPANTORA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Man page and changelog compressed as Debian wants them (no name or time stamp in the gzip header).
find_program(GZIP_PROGRAM gzip REQUIRED)
set(SPANTORA_GZIPPED)
foreach(source marvessa-spantora.1 changelog)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(OUTPUT ${gz}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
                     COMMAND ${GZIP_PROGRAM} -9nc ${SPANTORA_DESKTOP_DIR}/${source} > ${gz}
                     DEPENDS ${SPANTORA_DESKTOP_DIR}/${source} VERBATIM)
  list(APPEND SPANTORA_GZIPPED ${gz})
endforeach()
add_custom_target(spantora_packaging_files ALL DEPENDS ${SPANTORA_GZIPPED})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/marvessa-spantora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz ${SPANTORA_DESKTOP_DIR}/copyright
        DESTINATION ${SPANTORA_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/fonts/OFL-1.1.txt ${PROJECT_SOURCE_DIR}/data/fonts/README.md
        DESTINATION ${SPANTORA_DOC_DIR}/fonts)

# --- The Debian package -----------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SPANTORA_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Marvessa Spantora <paket@spantora.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Schiffswerkstatt für das Spiel Marvessa")
# CPack puts the summary first and indents these lines itself; an empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Ein deutschsprachiges Werkzeug für das Aufbauspiel Marvessa: Es leitet neue
Schiffe aus den Schiffsvorlagen des Spiels ab, ändert ihre Werte und
aktiviert sie als Mods im Mod-Ordner des Spiels. Sechs eigene Werft-Mods
bestimmen, welche Schiffe die Werften im Spiel anbieten.

Die Schiffe des Spielers liegen in ~/.local/share/MarvessaSpantora/XMLA.")
# A tool for a game, not a game: games belong to /usr/games, and this one starts from /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Marvessa Spantora <paket@spantora.de>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which no linked library pulls in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
