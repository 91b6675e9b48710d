# The Windows installer (NSIS, 64-bit, Unicode) and a .zip of the same files, both cut by CPack from
# these install rules: the command line with the MinGW runtime, the sample inventory and the README;
# with the window, its Qt libraries and plugins, the help, a Start menu entry and "Открыть в
# Табулексе" on .docx, .doc, .rtf and .odt files. scripts/build-windows.sh runs CPack.
set(TABULEX_WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)

if(TARGET tabulex)
  install(TARGETS tabulex RUNTIME DESTINATION . COMPONENT cli)
endif()
install(FILES ${TABULEX_WINDOWS_RUNTIME} DESTINATION . COMPONENT cli)
install(FILES ${PROJECT_SOURCE_DIR}/examples/opis-sample.docx DESTINATION examples COMPONENT cli)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . COMPONENT cli)
install(FILES ${TABULEX_WINDOWS_PACKAGING}/tabulex.ico DESTINATION . COMPONENT cli)

set(TABULEX_FILE_TYPES .docx .doc .rtf .odt)
set(TABULEX_NSIS_INSTALL "")
set(TABULEX_NSIS_UNINSTALL "")
if(TARGET tabulex-gui)
  install(TARGETS tabulex-gui RUNTIME DESTINATION . COMPONENT gui)
  install(FILES ${TABULEX_WINDOWS_QT_LIBRARIES} DESTINATION . COMPONENT gui)
  foreach(plugin IN LISTS TABULEX_WINDOWS_QT_PLUGINS)
    get_filename_component(folder ${plugin} DIRECTORY)
    get_filename_component(kind ${folder} NAME)
    install(FILES ${plugin} DESTINATION ${kind} COMPONENT gui)
  endforeach()
  if(TABULEX_QT_RUSSIAN)
    install(FILES ${TABULEX_QT_RUSSIAN} DESTINATION translations COMPONENT gui)
  endif()
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/app/help/ DESTINATION help COMPONENT gui)
  # "Open with" for inventories without taking their default program: a verb of its own on each
  # type, whatever program owns it.
  foreach(type IN LISTS TABULEX_FILE_TYPES)
    set(key "Software\\\\Classes\\\\SystemFileAssociations\\\\${type}\\\\shell\\\\Tabulex")
    string(APPEND TABULEX_NSIS_INSTALL
           "  WriteRegStr SHCTX '${key}' '' 'Открыть в Табулексе'\n"
           "  WriteRegStr SHCTX '${key}' 'Icon' '$INSTDIR\\\\tabulex-gui.exe'\n"
           "  WriteRegStr SHCTX '${key}\\\\command' '' '\"$INSTDIR\\\\tabulex-gui.exe\" \"%1\"'\n")
    string(APPEND TABULEX_NSIS_UNINSTALL "  DeleteRegKey SHCTX '${key}'\n")
  endforeach()
  set(CPACK_PACKAGE_EXECUTABLES tabulex-gui "Табулекс")
endif()

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME Tabulex)
set(CPACK_PACKAGE_VENDOR "Tabulex developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Проверка описей дел по правилам архивного описания")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tabulex)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tabulex)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/packages)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# CPack takes NSIS.template.in from the module path before its own: ours is 64-bit and Unicode.
set(CPACK_MODULE_PATH ${TABULEX_WINDOWS_PACKAGING} ${CMAKE_MODULE_PATH})
set(CMAKE_MODULE_PATH ${TABULEX_WINDOWS_PACKAGING} ${CMAKE_MODULE_PATH})
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Tabulex ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Tabulex")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The program's icon on the installer, the uninstaller and in the list of installed programs.
set(CPACK_NSIS_MUI_ICON "${TABULEX_WINDOWS_PACKAGING}/tabulex.ico")
set(CPACK_NSIS_MUI_UNIICON "${TABULEX_WINDOWS_PACKAGING}/tabulex.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "tabulex.ico")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "${TABULEX_NSIS_INSTALL}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "${TABULEX_NSIS_UNINSTALL}")
include(CPack)
