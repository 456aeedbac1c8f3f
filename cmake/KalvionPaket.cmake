# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the install rules: cpack -G DEB.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvion)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kalvion-Projekt")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estimate solid-state diffusion during sintering")
set(CPACK_PACKAGE_DESCRIPTION "\
Kalvion computes how a substance spreads by solid-state diffusion while a part
is sintered, for a linear bar, a cylindrical fibre or a spherical particle,
draws the concentration profiles and appends them to a text table. The user
interface is German. The Python module kalvion gives scripts and notebooks
the same engine.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kalvion-Projekt <kalvion@kalvion.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KALVION_HOMEPAGE})
# Dependencies are what dpkg-shlibdeps finds the programs linked against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Python module wants the interpreter it was built for, and numpy; the
# programs do without.
if(KALVION_PYTHON_EMPFEHLUNG)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${KALVION_PYTHON_EMPFEHLUNG}")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
