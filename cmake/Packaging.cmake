# Debian packages cut from the install rules of cmake/Install.cmake by CPack: `tabulex` (the
# command line) and, once the window is built, `tabulex-gui` (the window with its desktop entry),
# so that installing the command line never pulls in Qt. `scripts/package.sh` runs it.
# Descriptions: the first line is the synopsis; CPack indents the rest, an empty line parts paragraphs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulex)
set(CPACK_PACKAGE_VENDOR "Tabulex developers")
set(CPACK_PACKAGE_CONTACT "${TABULEX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
# Directories made for the package get the usual modes whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL)
if(TARGET tabulex)
  list(APPEND CPACK_COMPONENTS_ALL cli)
endif()
if(TARGET tabulex-gui)
  list(APPEND CPACK_COMPONENTS_ALL gui)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TABULEX_PACKAGE_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TABULEX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies are read from the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# .doc, .rtf and .odt inventories are read through LibreOffice; .docx needs nothing else.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer-nogui | libreoffice-writer")

set(CPACK_DEBIAN_CLI_PACKAGE_NAME tabulex)
set(CPACK_COMPONENT_CLI_DESCRIPTION
    "checker of archival inventories against the rules of archival description
Tabulex checks archival inventories (lists of the cases of a fund) kept as
Word documents against the rules of archival description. It writes a report
of every problem with a summary and the certification line, as a Windows-1251
text file and a .docx document.

It reads .docx files itself; .doc, .rtf and .odt files are read through
LibreOffice when it is installed. This package holds the command line
program `tabulex` and a sample inventory.")

set(CPACK_DEBIAN_GUI_PACKAGE_NAME tabulex-gui)
# xdg-utils opens the report and the documents in the desktop's programs; Qt's own Russian texts
# (file dialogs, context menus) come with the translations.
set(CPACK_DEBIAN_GUI_PACKAGE_RECOMMENDS
    "tabulex (= ${PROJECT_VERSION}-${TABULEX_PACKAGE_RELEASE}), xdg-utils, qt6-translations-l10n")
set(CPACK_COMPONENT_GUI_DESCRIPTION
    "window for checking archival inventories
Tabulex checks archival inventories (lists of the cases of a fund) kept as
Word documents against the rules of archival description and repairs common
faults in them.

This package holds the desktop program `tabulex-gui`, its entry in the
application menu and its association with .docx, .doc, .rtf and .odt files.")

include(CPack)
