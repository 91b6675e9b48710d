# What `cmake --install` puts under the prefix, in two components: `cli` (the command line, its
# manual pages, completion, examples) and `gui` (the window with its desktop integration). The
# Debian packages of cmake/Packaging.cmake are cut along the same line, so the command line never
# pulls in Qt. Everything for the window is guarded by its target and appears once it is built.
include(GNUInstallDirs)

# The window's application id: names the desktop entry and the AppStream metadata in packaging/linux.
set(TABULEX_APP_ID org.tabulex.Tabulex)
set(TABULEX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TABULEX_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)

# Per-package documents that Debian asks for: the copyright and a changelog.
include(${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)
# Manual pages written by help2man from the programs' own --help.
include(${CMAKE_CURRENT_LIST_DIR}/ManPages.cmake)

if(TARGET tabulex)
  install(TARGETS tabulex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
  install(FILES ${TABULEX_PACKAGING_DIR}/bash-completion/tabulex
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions COMPONENT cli)
  install(FILES ${PROJECT_SOURCE_DIR}/examples/opis-sample.docx
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tabulex/examples COMPONENT cli)
  tabulex_install_debian_docs(tabulex cli)
  tabulex_add_man_page(tabulex tabulex "" cli)
  tabulex_add_man_page(tabulex tabulex-check "check --help" cli)
endif()

if(TARGET tabulex-gui)
  install(TARGETS tabulex-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT gui)
  install(FILES ${TABULEX_PACKAGING_DIR}/linux/${TABULEX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT gui)
  install(FILES ${TABULEX_PACKAGING_DIR}/linux/${TABULEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT gui)
  install(FILES ${TABULEX_PACKAGING_DIR}/linux/tabulex.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT gui)
  # The window's help pages: read at run time, so not under /usr/share/doc, which minimal
  # systems may leave out.
  foreach(helpDir IN ITEMS docs/help src/app/help)
    if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${helpDir})
      install(DIRECTORY ${PROJECT_SOURCE_DIR}/${helpDir}/
              DESTINATION ${CMAKE_INSTALL_DATADIR}/tabulex/help COMPONENT gui)
    endif()
  endforeach()
  tabulex_install_debian_docs(tabulex-gui gui)
  # Qt needs no display to print the help.
  tabulex_add_man_page(tabulex-gui tabulex-gui "" gui QT_QPA_PLATFORM=offscreen)
endif()
