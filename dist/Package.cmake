# The Debian package, made by scripts/package with `cpack -G DEB` from the
# install rules. Included last, once every install rule exists.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvane)
set(CPACK_PACKAGE_VENDOR "Kelvane maintainers")
set(CPACK_PACKAGE_CONTACT "${KELVANE_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Stirling engine simulators for teaching")
set(CPACK_PACKAGE_DESCRIPTION
    "Kelvane simulates three kinds of Stirling engine, each in its own window,
opened from a small launcher: the Gamma engine (a crank-driven displacer and
a power piston in a second cylinder), the Ringbom engine (a free displacer
moved by the gas pressure) and a two-piston engine.

Students type an engine's dimensions, temperatures and phase offset and see
a statistics grid, line charts of one revolution, a pressure-volume chart and
an animated cut-away picture; the Gamma window can sweep one parameter and
chart the net work against it. Help pages and tutorials come with it.

The command-line companion kelvane-cli runs the same engines for batch work
and export to CSV files and pictures.")

# /usr, through DESTDIR: the desktop entry names the program by the prefix it
# is installed under, which must be /usr and not CPack's staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KELVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# Depends from the libraries the two programs link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Help, Tutor and Introduction buttons open their pages with xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
