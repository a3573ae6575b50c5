# The Debian package, made by CPack (scripts/package): `cpack -G DEB` in a build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumetta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lumetta")
set(CPACK_PACKAGE_CONTACT "Lumetta developers <developers@lumetta.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small web browser with a Chinese user interface")
# One paragraph in lines the package tools show as they are.
set(CPACK_PACKAGE_DESCRIPTION
    "Lumetta (琉梅塔) is a small desktop web browser on GTK 3 and WebKitGTK whose\n\
menus, dialogs and messages are in Chinese. It keeps favorites as Internet\n\
shortcut files, completes visited addresses, prints with a preview, finds in\n\
the page and takes a replaceable skin. Its Internet Options panel sets the\n\
start page and deletes the browsing history.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.lumetta.net/")
# The libraries come from the binaries (dpkg-shlibdeps); the interface is Chinese, so it needs
# a font with the CJK characters, which no library pulls in; and the pages run in the engine's
# bubblewrap sandbox, which needs bwrap and xdg-dbus-proxy whatever the engine's package says.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei, bubblewrap, xdg-dbus-proxy")
# The engine's library only recommends what plays the common video formats (H.264 and AAC from
# libav, the rest from bad) and draws video through GL; a browser wants them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-libav, gstreamer1.0-plugins-bad, gstreamer1.0-gl")
set(CPACK_DEBIAN_PACKAGE_PROVIDES www-browser)
# The maintainer scripts register and withdraw the x-www-browser alternative.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/data/debian/postinst
                                       ${PROJECT_SOURCE_DIR}/data/debian/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
