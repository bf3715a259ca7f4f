# `cpack -G DEB` in the build folder makes zumbilo_<version>-<revision>_<arch>.deb
# from the install rules; the version is the project's, the revision that of
# the newest entry of changelog.Debian.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zumbilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${ZUMBILO_DEVELOPER})
set(CPACK_PACKAGE_CONTACT ${ZUMBILO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${ZUMBILO_SUMMARY_EN})
set(CPACK_PACKAGE_DESCRIPTION ${ZUMBILO_DESCRIPTION_EN})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX ${ZUMBILO_PACKAGE_PREFIX})
# The default component and the Debian layout, in one package.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The revision is that of the newest entry of changelog.Debian, which must be
# an entry for this version.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/changelog.Debian newest_entry LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(NOT newest_entry MATCHES "^zumbilo \\(${version_pattern}-([0-9]+)\\)")
  message(FATAL_ERROR "changelog.Debian: no entry for ${PROJECT_VERSION} on top: ${newest_entry}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZUMBILO_HOMEPAGE})
# The libraries the program links are found by dpkg-shlibdeps; these are what
# it needs at run time that no linked library shows: Qt's platform plugins and
# the fonts its captions are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-comic-neue, fonts-crosextra-carlito, fonts-liberation2")
# Qt's own words (the About box's button) in the desktop's language, and Qt's
# platform plugin for a Wayland desktop without XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

include(CPack)
