# Installation the usual way: the program folder under share/drovanta (with libpathkin.so beside
# the game), a bin/drovanta launcher, the desktop entry, icons and AppStream metadata; and a
# Debian package of the same with `cpack -G DEB`.
include(GNUInstallDirs)

set(DROVANTA_ID cz.drovanta.Drovanta)
set(DROVANTA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/drovanta)

# The program folder as the build made it, but its Data/ read-only: an installed game keeps the
# player's files in the player's data folder and takes Data/ only as the first settings.
install(DIRECTORY ${DROVANTA_PROGRAM_DIR}/ DESTINATION ${DROVANTA_INSTALL_DIR}
        USE_SOURCE_PERMISSIONS
        PATTERN "Data" EXCLUDE
        PATTERN "icons" EXCLUDE
        PATTERN "*.saving" EXCLUDE)
install(DIRECTORY ${DROVANTA_PROGRAM_DIR}/Data DESTINATION ${DROVANTA_INSTALL_DIR}
        FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ
        DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                              WORLD_READ WORLD_EXECUTE
        FILES_MATCHING PATTERN "snow.ini")

# The launcher finds the program folder from its own place, so the prefix can move.
file(RELATIVE_PATH DROVANTA_LAUNCHER_TO_PROGRAM /${CMAKE_INSTALL_BINDIR} /${DROVANTA_INSTALL_DIR})
configure_file(${PROJECT_SOURCE_DIR}/desktop/drovanta.in ${CMAKE_BINARY_DIR}/drovanta @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/drovanta DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/desktop/${DROVANTA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/${DROVANTA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256 512)
  install(FILES ${DROVANTA_PROGRAM_DIR}/icons/drovanta-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${DROVANTA_ID}.png)
endforeach()

set(CPACK_PACKAGE_NAME drovanta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Drovanta developers")
set(CPACK_PACKAGE_CONTACT "The Drovanta developers <drovanta@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Top-down car races against a computer car")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
