# `make deb`: a Debian package of what `cmake --install` installs under /usr, made by CPack,
# its library dependencies worked out by dpkg-shlibdeps, files owned by root.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tarnwick)
set(CPACK_PACKAGE_CONTACT "Tarnwick <quorvane@tarnwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "printable pages for 3D drawing illusions")
set(CPACK_PACKAGE_DESCRIPTION "Quorvane turns a picture of an object into a printable page for a 3D
drawing illusion. A live 3D designer sets how a sheet of paper lies (folded
into an L, flat or upright) and where a camera looks from; the picture is
placed over the paper as that camera sees it and re-projected onto the flat
page, ready to save or print. quorvane-cli makes the same pages without a
display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tarnwick.example)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the window system and TIFF plugins
# and Mesa's drivers.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, libgl1-mesa-dri")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
