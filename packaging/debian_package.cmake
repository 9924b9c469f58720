# The Debian package, built by CPack from the install rules of a built tree:
#   cpack -G DEB --config <build>/CPackConfig.cmake   (or ./scripts/package)
# Packaging and installing never build: the packaging tests make packages
# while other tests run the programs, which a rebuild must not replace.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON CACHE BOOL "Installing and packaging do not build the project first")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar-converter)
set(CPACK_PACKAGE_VENDOR "Velmar Software")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Velmar Software <packages@velmar.example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.velmar.example.com/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exact desktop unit converter")
set(CPACK_PACKAGE_DESCRIPTION "\
Velmar Converter converts values between 399 units in 22 categories, from
length, mass and temperature to viscosity and thermal conductivity, converts
whole numbers between bases 2 to 36 and Roman numerals, and turns decimals
into fractions. The result follows every keystroke and is written exactly to
the last digit the chosen number format defines.

The package also holds velmar-convert, a command-line converter on the same
engine for scripts and batch work.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the display plugins,
# the database driver the help window reads its collection with, the faces
# that stand in for the design's Arial and Times New Roman, and the line
# editor of velmar-convert's interactive mode.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation2, libedit2")
# Native Wayland windows instead of XWayland, and the message sounds.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, sound-theme-freedesktop")
# The Reference menu's Calculator starts the first of these it finds.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-calculator | kcalc | qalculate-gtk | galculator")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/package")

include(CPack)
