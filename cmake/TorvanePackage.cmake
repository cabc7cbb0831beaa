# SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made from the build tree: cd build && cpack -G DEB.
# Its Depends line comes from the libraries the program links (dpkg-shlibdeps, package
# dpkg-dev); the Wayland platform plugin is loaded at run time, so it can only be recommended.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quillmark)
set(CPACK_PACKAGE_CONTACT "${TORVANE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "battery discharge recorder with a live graph")
# Lines as the control file shows them (at most 80 columns), an empty one between paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Torvane records how a laptop's battery discharges. Start a measuring session"
       "and unplug the power: it reads the battery level every second, records a"
       "sample whenever the percentage changes, draws the discharge curve and"
       "estimates the total and the remaining battery life."
       ""
       "Logs can be saved, resumed, exported as CSV and drawn beside the live curve"
       "as references.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # torvane_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
