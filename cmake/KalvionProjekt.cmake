# SPDX-License-Identifier: GPL-3.0-or-later
# What every part of the build shares: the version header, the web address
# and the manual-page function.

# The project version reaches the code through one generated header; every
# program that shows its version links kalvion_version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/kalvion_version.h.in
  ${PROJECT_BINARY_DIR}/version/kalvion_version.h @ONLY)
add_library(kalvion_version INTERFACE)
target_include_directories(kalvion_version INTERFACE ${PROJECT_BINARY_DIR}/version)

# Named in the software-centre entry (with its screenshot under docs/) and in the package.
set(KALVION_HOMEPAGE "https://kalvion.de" CACHE STRING "Web address of the Kalvion project")

include(KalvionManpage)
