# What `cmake --install` puts in place and how CPack packs it: the two programs, the desktop entry,
# the icon and the AppStream metainfo. `cpack -G DEB` in the build folder makes the Debian package.
include(GNUInstallDirs)

set(QUILLON_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUILLON_INSTALLED_FILES
  ${CMAKE_INSTALL_BINDIR}/quillon-report
  ${CMAKE_INSTALL_DATADIR}/applications/${QUILLON_APP_ID}.desktop
  ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/${QUILLON_APP_ID}.svg
  ${CMAKE_INSTALL_DATADIR}/metainfo/${QUILLON_APP_ID}.metainfo.xml)

install(TARGETS quillon-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(QUILLON_GUI)
  install(TARGETS quillon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  list(APPEND QUILLON_INSTALLED_FILES ${CMAKE_INSTALL_BINDIR}/quillon)
endif()
configure_file(${QUILLON_PACKAGING_DIR}/quillon.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/packaging/${QUILLON_APP_ID}.metainfo.xml @ONLY)
install(FILES ${QUILLON_PACKAGING_DIR}/quillon.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${QUILLON_APP_ID}.desktop)
install(FILES ${QUILLON_PACKAGING_DIR}/quillon.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${QUILLON_APP_ID}.svg)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${QUILLON_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "Quillon developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Case viewer and repertorisation workbench for homeopathic practitioners")
set(CPACK_PACKAGE_DESCRIPTION
  "Quillon reads the working folder a practice-management program exports (patient index, recorded symptoms, "
  "case records, follow-ups and the remedy catalogue) and lets the physician review and repertorise a visit's "
  "symptoms, filter remedies and read the case record.")
set(CPACK_PACKAGE_CONTACT "Quillon developers <quillon@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The dialogs use Liberation Sans; the libraries come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_GENERATOR DEB)
include(CPack)
