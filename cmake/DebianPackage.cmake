# `cpack -G DEB` (or `./fenlo package`) makes a Debian package of the install: the programs,
# desktop entry, MIME type, icons, help, manual pages, completion and AppStream metadata. Its
# dependencies are read from the libraries the programs link (dpkg-shlibdeps), and the desktop
# and MIME databases are brought up to date by the triggers of desktop-file-utils and
# shared-mime-info, as for every package that installs such files.
include(GNUInstallDirs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fenlo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "fenlo developers <fenlo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fuel-economy logbook for one car")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "fenlo (燃費管理「ふぇんろ」) records each fueling of one car (date,
distance, litres, fuel maker, fuel category, amount, comment) and shows the fuel economy in km/L in lists,
monthly, by-maker and by-category statistics and graphs. The data of one car
is one .fnl file. fenlo-cli reads and converts logbooks, prints the
reports and draws the graphs (PNG, SVG, PDF) without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The staged install must not update the databases of the machine that builds the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
