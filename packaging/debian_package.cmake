# The Debian package, made by `cpack -G DEB` (or the `package` target).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME halvora)
set(CPACK_PACKAGE_VENDOR "${HALVORA_COMPANY}")
set(CPACK_PACKAGE_VERSION "${HALVORA_VERSION}")
set(CPACK_PACKAGE_CONTACT "${HALVORA_COMPANY}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hungarian name-day calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "Halvora answers the Hungarian name-day calendar's two questions: which given
names are celebrated on a chosen day of the year, and on which day or days a
chosen name is celebrated. Its small window also shows today's date, the time
and today's names. All of its texts are Hungarian.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${HALVORA_COMPANY}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the Qt libraries the program links against. The platform
# plugins that let Qt open a window are loaded at run time, so shlibdeps cannot
# see them, and libqt6gui6 only recommends them: without them a fresh system
# installed with --no-install-recommends could not start the program. Qt's
# own texts (a text field's edit menu, dialog buttons) come from its Hungarian
# translation, loaded at run time as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The window is designed for Arial; Liberation Sans has the same metrics. On a
# Wayland desktop the program runs through XWayland, and natively, with Qt's
# Wayland platform, only where there is none.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")

include(CPack)
