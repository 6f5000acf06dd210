# The Debian package: `cpack -G DEB` in the build folder (after building)
# makes quillon_<version>_<arch>.deb with the desktop program, quillon-cli,
# the launcher and the icons, installed under /usr.
set(CPACK_PACKAGE_NAME "quillon")
set(CPACK_PACKAGE_VENDOR "Quillon")
set(CPACK_PACKAGE_CONTACT "Quillon developers <quillon@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Runs a golf club's tournaments")
set(CPACK_PACKAGE_DESCRIPTION
    "Courses and tees, tournaments in 31 formats, the field with handicaps, scores, results, reports, "
    "score cards, backups and spreadsheet exchange, in one desktop program and a command-line driver.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
# The libraries the programs link (Qt, curl, the spreadsheet libraries) are
# found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
