# Install rules and the Debian package of the window program.
include(GNUInstallDirs)

install(TARGETS tarvel-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/tarvel-demo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/org.tarveldemo.TarvelDemo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/icons/tarvel-demo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
  install(FILES packaging/icons/tarvel-demo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME tarvel-demo.png)
endforeach()
install(FILES README.md LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvel-demo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvel-demo)
set(CPACK_PACKAGE_VENDOR "Tarvel Demo developers")
set(CPACK_PACKAGE_CONTACT "Tarvel Demo developers <maintainers@tarveldemo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Interactive demonstration of a multipath radio channel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries come from dpkg-shlibdeps; the font is read at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
