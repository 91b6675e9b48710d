# What a Windows build (MinGW-w64, cross-built by scripts/build-windows.sh) adds: the manifest of
# every program, the MinGW runtime beside the programs, and the static dependencies.
# tabulex_windows_program(<target>) is a no-op elsewhere, so that targets can call it everywhere.
if(NOT WIN32)
  function(tabulex_windows_program target)
  endfunction()
  return()
endif()

enable_language(RC)
set(TABULEX_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/tabulex.manifest)
set(TABULEX_MANIFEST_RC ${PROJECT_BINARY_DIR}/tabulex-manifest.rc)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/manifest.rc.in ${TABULEX_MANIFEST_RC} @ONLY)

function(tabulex_windows_program target)
  target_sources(${target} PRIVATE ${TABULEX_MANIFEST_RC})
  set_property(SOURCE ${TABULEX_MANIFEST_RC} APPEND PROPERTY OBJECT_DEPENDS ${TABULEX_MANIFEST})
endfunction()

# The C++ runtime of MinGW's GCC: shared by the programs and by Qt, so it is shipped beside them.
set(TABULEX_WINDOWS_RUNTIME)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    # winpthread lives in the target's own library folder rather than GCC's.
    find_file(path_${dll} ${dll} PATHS /usr/${TABULEX_MINGW_TRIPLET}/lib NO_DEFAULT_PATH REQUIRED)
    set(path ${path_${dll}})
  endif()
  list(APPEND TABULEX_WINDOWS_RUNTIME ${path})
endforeach()
file(COPY ${TABULEX_WINDOWS_RUNTIME} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})

# The window's Qt beside the programs: the libraries, the Windows platform plugin, the native style
# and the image formats, in the folders where Qt looks for them next to the program. Called by
# src/app once Qt is found; the installer ships the same files.
function(tabulex_windows_deploy_qt)
  get_target_property(core Qt6::Core IMPORTED_LOCATION_RELEASE)
  get_filename_component(qt_bin ${core} DIRECTORY)
  get_filename_component(qt_root ${qt_bin} DIRECTORY)
  set(libraries)
  foreach(module IN ITEMS Core Gui Widgets)
    list(APPEND libraries ${qt_bin}/Qt6${module}.dll)
  endforeach()
  file(COPY ${libraries} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  set(plugins)
  foreach(plugin IN ITEMS platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll
                          imageformats/qgif.dll imageformats/qjpeg.dll)
    get_filename_component(kind ${plugin} DIRECTORY)
    file(COPY ${qt_root}/plugins/${plugin} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${kind})
    list(APPEND plugins ${qt_root}/plugins/${plugin})
  endforeach()
  # Qt's own texts in Russian (context menus, standard buttons), as the window loads them on every
  # system: Debian's translations, in the folder Qt looks in beside the program.
  find_file(TABULEX_QT_RUSSIAN qtbase_ru.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
            NO_CMAKE_FIND_ROOT_PATH)
  if(TABULEX_QT_RUSSIAN)
    file(COPY ${TABULEX_QT_RUSSIAN} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
  endif()
  # The tests' Qt Test library too, beside them only.
  if(EXISTS ${qt_bin}/Qt6Test.dll)
    file(COPY ${qt_bin}/Qt6Test.dll DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
  endif()
  set(TABULEX_WINDOWS_QT_LIBRARIES ${libraries} CACHE INTERNAL "Qt libraries the window ships with")
  set(TABULEX_WINDOWS_QT_PLUGINS ${plugins} CACHE INTERNAL "Qt plugins the window ships with")
endfunction()
