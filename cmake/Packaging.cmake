# Packages made with CPack: a Debian package of the desktop program and the command
# line (scripts/package.sh). Everything installed by the install() rules goes in.
set(CPACK_PACKAGE_NAME validador)
set(CPACK_PACKAGE_VENDOR "Validador")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checks bank-data delivery folders and digests their files")
# Lines of the long description stay under 80 columns once dpkg indents them.
set(CPACK_PACKAGE_DESCRIPTION
  "Validador checks the eight tab-separated files of a bank-data delivery\n"
  "folder line by line, writes a coloured verification log, digests every\n"
  "file with one of ten algorithms, writes the digest manifest HASHV.txt and\n"
  "an A4 result report. It has a desktop program (validador) and a command\n"
  "line (validador-cli).")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Validador developers <contato@validador.org.br>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The shared libraries the programs link (Qt 6 Core, Gui, Widgets, PrintSupport, the C++
# runtime) are found by dpkg-shlibdeps; Qt's platform plugins are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")

# The package's documents: the licence as Debian's copyright file and the changelog,
# compressed as Debian wants it (no time stamp in the gzip header).
include(GNUInstallDirs)
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  set(validador_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/validador)
  set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${changelog_gz}
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/debian/changelog > ${changelog_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
    COMMENT "Compressed changelog of the package")
  add_custom_target(validador-package-docs ALL DEPENDS ${changelog_gz})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${changelog_gz}
    DESTINATION ${validador_doc_dir})
endif()

include(CPack)
