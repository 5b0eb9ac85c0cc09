# Packages made with CPack: a Debian package of the desktop program and the command
# line (scripts/package.sh). Everything installed by the install() rules goes in.
set(CPACK_PACKAGE_NAME validador)
set(CPACK_PACKAGE_VENDOR "Validador")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checks bank-data delivery folders and digests their files")
set(CPACK_PACKAGE_DESCRIPTION
  "Validador checks the eight tab-separated files of a bank-data delivery folder line by\n"
  "line, writes a coloured verification log, digests every file with one of ten\n"
  "algorithms, writes the digest manifest HASHV.txt and an A4 result report. It has a\n"
  "desktop program (validador) and a command line (validador-cli).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Validador developers <validador@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The shared libraries the programs link (Qt 6 Core, Gui, Widgets, PrintSupport, the C++
# runtime) are found by dpkg-shlibdeps; Qt's platform plugins are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")

include(CPack)
