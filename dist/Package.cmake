# The Debian package: `cpack -G DEB` in a build folder makes tandera-patch_<version>_<arch>.deb
# from the install rules (dist/CMakeLists.txt) under /usr. Included from the top level, after
# every install rule.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Every install rule but the record a later cmake --install reads (dist/CMakeLists.txt).
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TANDERA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The first line is the synopsis; CPack indents the rest as the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "reload the packaging and port tables of the Tandera database
Patch opens the password-protected Tandera database Kolvarin.mdb and reloads
its two reference tables, packaging kinds (Tblkemasan) and ports
(TblPelabuhan), from the data files in /usr/share/tandera-patch/, unless an
operator brings new ones in ~/.local/share/tandera-patch/ or an administrator
in /usr/local/share/tandera-patch/. Each reload is all or nothing. The window's
texts are always Indonesian; error reports and the command line follow the
locale (Indonesian or English). tandera-patch --update PATH runs the same
update without a window, for remote shells and scripts.")
# Depends from the program's libraries (dpkg-shlibdeps), plus Qt's platform plugins: libqt6gui6
# only recommends them, and without them the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTimes.cmake)
set(CPACK_TANDERA_SOURCE_DIR ${CMAKE_SOURCE_DIR})
set(CPACK_TANDERA_RELEASE_DATE ${TANDERA_RELEASE_DATE})
# Keeps an administrator's changed data files from 1.0.0's program folder over the upgrade.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/unix/preinst)
include(CPack)
