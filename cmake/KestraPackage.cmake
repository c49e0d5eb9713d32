# The Debian package: the application directory under /opt, launchers on the PATH, a desktop
# entry with its icon. Built with: cpack -G DEB (in the build directory).
set(KESTRA_APP_DIR /opt/kestra-toolkit)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestra-toolkit)
set(CPACK_PACKAGE_VENDOR "Kestra Toolkit developers")
set(CPACK_PACKAGE_CONTACT "Kestra Toolkit developers <kestra-toolkit@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop simulator of the Vela40 total station's toolkit")
set(CPACK_PACKAGING_INSTALL_PREFIX ${KESTRA_APP_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Shared libraries of our own are found beside the program, not through the system.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${KESTRA_BIN_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xvfb, xauth")

foreach(program KestraToolkit KestraSimCtl KestraInstrumentPanel)
  string(TOLOWER ${program} _kestra_link)
  string(REPLACE "kestratoolkit" "kestra-toolkit" _kestra_link ${_kestra_link})
  string(REPLACE "kestrasimctl" "kestra-simctl" _kestra_link ${_kestra_link})
  string(REPLACE "kestrainstrumentpanel" "kestra-panel" _kestra_link ${_kestra_link})
  set(KESTRA_PROGRAM ${program})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/kestra-toolkit.in
                 ${CMAKE_BINARY_DIR}/packaging/${_kestra_link} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/${_kestra_link} DESTINATION /usr/bin COMPONENT launchers
          EXCLUDE_FROM_ALL)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kestra-toolkit.desktop DESTINATION /usr/share/applications
        COMPONENT launchers EXCLUDE_FROM_ALL)
install(FILES ${PROJECT_SOURCE_DIR}/KestraToolkitMain/Resources/level.svg DESTINATION
        /usr/share/icons/hicolor/scalable/apps RENAME kestra-toolkit.svg COMPONENT launchers EXCLUDE_FROM_ALL)
# The Qt platform plug-in in place, so that the program need not copy it into /opt.
install(FILES ${KESTRA_BIN_DIR}/libqxcb.so DESTINATION platforms OPTIONAL)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified launchers)
set(CPACK_WARN_ON_ABSOLUTE_INSTALL_DESTINATION OFF)
include(CPack)
