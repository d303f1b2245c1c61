# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` installs.
# The shared libraries the executables link become dependencies through dpkg-shlibdeps (Debian's
# libqt6gui6 also holds the platform plugins, xcb for the window and offscreen for the batch
# command, and the JPEG and GIF readers; libqt6printsupport6 the CUPS printer plugin). What they
# need without linking it is named here: the Chinese font the labels and lists are drawn in, a
# CUPS scheduler to print on, and gLabels' template database of stock label sheets (the alignment
# window and brevmark-batch --sheet offer its sheets; without it the six built-in guides remain).
set(CPACK_PACKAGE_NAME brevmark)
set(CPACK_PACKAGE_VENDOR "Brevmark")
set(CPACK_PACKAGE_CONTACT "Brevmark developers <developers@brevmark.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design and print Code 39 barcode labels")
set(CPACK_PACKAGE_DESCRIPTION
    "Brevmark composes label pages of Code 39 barcode items with text labels and pictures and \
prints them on page or label printers. brevmark-batch prints saved layouts and formats, merged \
with barcode records or CSV files, without the window.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://brevmark.example.org/")
set(CPACK_PACKAGE_INSTALL_DIRECTORY brevmark)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups, glabels-data")
include(CPack)
