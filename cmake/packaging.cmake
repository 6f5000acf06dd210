# The Debian package: `cpack -G DEB` in the build folder (after building)
# makes quillon_<version>_<arch>.deb with the desktop program, quillon-cli,
# the launcher and the icons, installed under /usr.
set(CPACK_PACKAGE_NAME "quillon")
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon developers <developers@quillon-golf.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Runs a golf club's tournaments")
# One string (two would be joined as a list, with a ";" between them), in
# lines of a readable length.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Courses and tees, tournaments in 31 formats, the field with handicaps,\n"
       "scores, results, reports, score cards, backups and spreadsheet exchange,\n"
       "in one desktop program and a command-line driver.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
# The libraries the programs link (Qt, curl, the spreadsheet libraries) are
# found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Installed programs and modules without their debugging information.
set(CPACK_STRIP_FILES ON)

# The copyright file and the changelog every Debian package carries; the
# changelog compressed as Debian wants it (best compression, no time stamp).
include(GNUInstallDirs)
set(quillon_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quillon)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/cmake/debian/changelog)
execute_process(COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/cmake/debian/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${quillon_doc_dir})
include(CPack)
