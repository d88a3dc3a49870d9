# What `cmake --install` puts in place and how CPack packs it: the two programs, their manual pages, the help
# viewer's manual, the desktop entry, the icon, the AppStream metainfo, the copyright file and the changelog.
# `cpack -G DEB` in the build folder makes the Debian package.
include(GNUInstallDirs)

set(QUILLON_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(QUILLON_INSTALLED_FILES
  ${CMAKE_INSTALL_BINDIR}/quillon-report
  ${CMAKE_INSTALL_DATADIR}/applications/${QUILLON_APP_ID}.desktop
  ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps/${QUILLON_APP_ID}.svg
  ${CMAKE_INSTALL_DATADIR}/metainfo/${QUILLON_APP_ID}.metainfo.xml
  ${CMAKE_INSTALL_MANDIR}/man1/quillon-report.1.gz
  ${CMAKE_INSTALL_DATADIR}/doc/quillon/copyright
  ${CMAKE_INSTALL_DATADIR}/doc/quillon/changelog.gz)

install(TARGETS quillon-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(QUILLON_GUI)
  install(TARGETS quillon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  list(APPEND QUILLON_INSTALLED_FILES ${CMAKE_INSTALL_BINDIR}/quillon ${CMAKE_INSTALL_MANDIR}/man1/quillon.1.gz
    ${CMAKE_INSTALL_DATADIR}/quillon/manual/index.html ${CMAKE_INSTALL_DATADIR}/quillon/manual/images/chart.png
    ${CMAKE_INSTALL_DATADIR}/quillon/translations/quillon_de.qm)
  # The manual the help viewer shows (F1): program data, in the build tree as once installed.
  set(QUILLON_MANUAL_DIR ${PROJECT_SOURCE_DIR}/doc/manual)
  file(GLOB QUILLON_MANUAL_FILES CONFIGURE_DEPENDS ${QUILLON_MANUAL_DIR}/*.html ${QUILLON_MANUAL_DIR}/*.css
    ${QUILLON_MANUAL_DIR}/images/*.png)
  add_custom_command(OUTPUT ${QUILLON_DATA_BUILD_DIR}/manual/index.html
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUILLON_DATA_BUILD_DIR}/manual
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUILLON_MANUAL_DIR} ${QUILLON_DATA_BUILD_DIR}/manual
    DEPENDS ${QUILLON_MANUAL_FILES} VERBATIM)
  add_custom_target(quillon_manual ALL DEPENDS ${QUILLON_DATA_BUILD_DIR}/manual/index.html)
  install(DIRECTORY ${QUILLON_MANUAL_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/quillon/manual
    FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.png")
endif()

# Manual pages and the changelog are installed compressed, as Debian keeps them (gzip -9n: no name or time stamp).
find_program(GZIP gzip REQUIRED)
set(QUILLON_COMPRESSED "")
foreach(file quillon.1 quillon-report.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${file}.gz
    COMMAND ${GZIP} -9n -c ${QUILLON_PACKAGING_DIR}/${file} > ${CMAKE_BINARY_DIR}/packaging/${file}.gz
    DEPENDS ${QUILLON_PACKAGING_DIR}/${file} VERBATIM)
  list(APPEND QUILLON_COMPRESSED ${CMAKE_BINARY_DIR}/packaging/${file}.gz)
endforeach()
add_custom_target(quillon_packaging_docs ALL DEPENDS ${QUILLON_COMPRESSED})
if(QUILLON_GUI)
  install(FILES ${CMAKE_BINARY_DIR}/packaging/quillon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${CMAKE_BINARY_DIR}/packaging/quillon-report.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUILLON_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)
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
# One text (separate strings would be joined by ";" as a CMake list), in lines a package manager shows as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quillon reads the working folder a practice-management program exports\n"
  "(patient index, recorded symptoms, case records, follow-ups and the remedy\n"
  "catalogue) and lets the physician review and repertorise a visit's symptoms,\n"
  "filter remedies and read the case record. quillon-report prints the same\n"
  "from the command line.")
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
