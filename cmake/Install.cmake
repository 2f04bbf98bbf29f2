# What `cmake --install` puts in place, and the Debian package `cpack -G DEB` makes of it:
# the programs, the desktop entry, the icon in the hicolor theme, the AppStream metadata
# and the manual pages. Nothing installed refers back to the build or source tree: the
# window definitions and messages are compiled into the programs, and fonts come from
# the system through fontconfig.
include(GNUInstallDirs)

set(QOR_APP_ID io.github.kzt_asm.Tester)
set(QOR_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(QOR_ICON_DIR ${PROJECT_SOURCE_DIR}/resources/icons)

foreach(program kzt_asm qor)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${QOR_DESKTOP_DIR}/${QOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QOR_DESKTOP_DIR}/${QOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 128 256)
  install(FILES ${QOR_ICON_DIR}/kzt_asm-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME kzt_asm.png)
endforeach()
install(FILES ${QOR_ICON_DIR}/kzt_asm.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/kzt_asm.1 ${PROJECT_SOURCE_DIR}/docs/man/qor.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package: its dependencies are the shared libraries the programs link (found by
# dpkg-shlibdeps) and the fonts the windows are drawn with.
set(CPACK_PACKAGE_NAME kzt-asm)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(CPACK_PACKAGE_CONTACT "kzt_asm developers <kzt-asm@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bit, byte and byte-block routine tester")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
