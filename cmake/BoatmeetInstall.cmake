# Installing Boatmeet. Both programs look for their files beside the program
# file (the import configuration, the manual), so the programs and their files
# go together into lib/boatmeet, and bin holds links to the programs: the
# desktop program finds its folder through QCoreApplication::applicationDirPath()
# and boatmeet-cli through /proc/self/exe, both of which follow the link.
# The desktop entry, the icon and the MIME type let a file manager open .bmf
# files with Boatmeet.
include(GNUInstallDirs)
set(BM_INSTALL_APPDIR lib/boatmeet)

# Installs the program into the program folder and a relative link to it into bin.
function(bm_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${BM_INSTALL_APPDIR})
  file(RELATIVE_PATH to_program /prefix/${CMAKE_INSTALL_BINDIR}
    /prefix/${BM_INSTALL_APPDIR}/${target})
  set(link ${CMAKE_BINARY_DIR}/install-links/${target})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
  file(CREATE_LINK ${to_program} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

bm_install_program(boatmeet-cli)
install(FILES ${PROJECT_SOURCE_DIR}/data/VexaConfig.csv DESTINATION ${BM_INSTALL_APPDIR})
if(BM_GUI)
  bm_install_program(boatmeet)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/manual.html DESTINATION ${BM_INSTALL_APPDIR}
    RENAME Boatmeet.html)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/boatmeet.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/boatmeet.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/boatmeet-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME boatmeet.xml)
endif()

# cpack -G DEB: a Debian package installing into /usr. Its dependencies on the
# Qt 6 libraries come from dpkg-shlibdeps; the platform plugins that the
# desktop program loads at run time are named here. The desktop, MIME and icon
# databases are brought up to date by the triggers of desktop-file-utils,
# shared-mime-info and hicolor-icon-theme.
set(CPACK_PACKAGE_NAME boatmeet)
set(CPACK_PACKAGE_VENDOR Keelworks)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "rowing regatta organiser: entries, draws, race timetable, results")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Boatmeet is for the people who organise a rowing regatta: it draws every\n"
  "event into a knock-out draw that keeps crews of one club apart, numbers and\n"
  "times the races, records the results and prints the race-day documents.\n"
  "boatmeet-cli does the same work from scripts.")
set(BM_PACKAGE_MAINTAINER "Boatmeet developers <boatmeet@keelworks.org>" CACHE STRING
  "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BM_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(BM_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
