# The Debian package: `cpack -G DEB` in the build directory (scripts/package).
# It holds what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR "Orvane Solutions")
set(CPACK_PACKAGE_CONTACT "Orvane Solutions <vantrel@orvane-solutions.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.orvane-solutions.example/vantrel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "review red-light violation records")
# Debian wants the long description in lines of at most 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Vantrel is the desktop tool with which a traffic-enforcement officer reviews"
  "the red-light violation records written by roadside units: it plays the"
  "general view of the crossing, renders the raw lane frames with zoom, colour"
  "correction, gamma, filters and display range, shows the timing and the site,"
  "and confirms, rejects or prints a record with its subpoena. The companion"
  "command vantrel-tool lists, decides, annotates and prints records from the"
  "command line.")
# The libraries come from dpkg-shlibdeps. Qt finds its X11 platform plugin and
# the window its Tahoma look only at run time, so those two are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wine")
include(CPack)
