# Manual pages written at build time by help2man from the programs' own --help, so the option
# texts exist once, in the program. packaging/man/<page>.h2m holds what the help does not: the
# page's one-line name, exit status, examples, see also.
find_program(TABULEX_HELP2MAN help2man)
if(NOT TABULEX_HELP2MAN)
  message(STATUS "help2man not found: no manual pages (scripts/install-deps.sh installs it)")
endif()

# tabulex_add_man_page(<target> <page> <help option> <component> [VAR=value...])
# Writes <page>.1.gz from `<target> <help option>` (default --help), run through PATH so that the
# usage line names the program rather than the build folder. Extra arguments are environment
# settings for the run.
function(tabulex_add_man_page target page helpOption component)
  # Sanitized builds are never packaged, and their programs need not run at build time.
  if(NOT TABULEX_HELP2MAN OR TABULEX_SANITIZE)
    return()
  endif()
  if(helpOption STREQUAL "")
    set(helpOption --help)
  endif()
  set(manDir ${TABULEX_GENERATED_DIR}/man)
  set(page1 ${manDir}/${page}.1)
  set(includeFile ${TABULEX_PACKAGING_DIR}/man/${page}.h2m)
  add_custom_command(
    OUTPUT ${page1}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${manDir}
    COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:${target}>:$ENV{PATH}" ${ARGN}
            ${TABULEX_HELP2MAN} --no-info --section=1 --locale=C.UTF-8
            --help-option=${helpOption} "--version-string=${page} ${PROJECT_VERSION}"
            --include=${includeFile}
            --output=${page1} $<TARGET_FILE_NAME:${target}>
    COMMAND gzip -9nf ${page1}
    DEPENDS ${target} ${includeFile}
    VERBATIM)
  add_custom_target(${page}_man_page ALL DEPENDS ${page1}.gz)
  install(FILES ${page1}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
endfunction()
