# The Debian package: `cpack -G DEB` in a configured build directory packs what the install rules put in place.
set(CPACK_PACKAGE_NAME quorlin)
set(CPACK_PACKAGE_VENDOR "Zelmoor Software")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_CONTACT "Zelmoor Software <support@zelmoor.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zelmoor Software <support@zelmoor.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The library packages the program links against, found by dpkg-shlibdeps on the installed binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorlin multiplies two matrices of up to 20 x 20 entries, R = A x B, in
80-bit extended precision. It reads and writes numbers with the decimal and
thousands separators of the user's regional settings, and copies the result
to the clipboard as comma-separated text.")

include(CPack)
