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
