# `cpack -G DEB` in the build folder makes zumbilo_<version>_<arch>.deb from the
# install rules; the version is the project's.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zumbilo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${ZUMBILO_DEVELOPER})
set(CPACK_PACKAGE_CONTACT ${ZUMBILO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${ZUMBILO_SUMMARY_EN})
set(CPACK_PACKAGE_DESCRIPTION ${ZUMBILO_DESCRIPTION_EN})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZUMBILO_HOMEPAGE})
# The libraries the program links are found by dpkg-shlibdeps; these are what
# it needs at run time that no linked library shows: Qt's platform plugins and
# the fonts its captions are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-comic-neue, fonts-crosextra-carlito, fonts-liberation2")
# Qt's own words (the About box's button) in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
