# Every Debian package carries /usr/share/doc/<package>/copyright and a compressed changelog.
# Both are written from the repository: the copyright from LICENSE and the notices of the
# libraries compiled into the programs, the changelog entry from the version.
set(TABULEX_PACKAGE_MAINTAINER "Tabulex developers <tabulex@example.org>" CACHE STRING
    "Maintainer named in the Debian packages and their changelog")
set(TABULEX_PACKAGE_RELEASE 1 CACHE STRING "Debian revision of the packages")

# The holder from LICENSE's copyright line, and the licence text below it as a DEP-5 paragraph
# (indented, blank lines as " .").
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licenseLines)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
set(TABULEX_LICENSE_BODY "")
set(pastCopyrightLine FALSE)
foreach(line IN LISTS licenseLines)
  if(pastCopyrightLine)
    if(line STREQUAL "")
      string(APPEND TABULEX_LICENSE_BODY "\n .")
    else()
      string(APPEND TABULEX_LICENSE_BODY "\n ${line}")
    endif()
  elseif(line MATCHES "^Copyright \\([cC]\\) (.*)$")
    set(TABULEX_COPYRIGHT "${CMAKE_MATCH_1}")
    set(pastCopyrightLine TRUE)
  endif()
endforeach()
string(REGEX REPLACE "^\n \\.\n" "" TABULEX_LICENSE_BODY "${TABULEX_LICENSE_BODY}")
configure_file(${TABULEX_PACKAGING_DIR}/debian/copyright.in ${TABULEX_GENERATED_DIR}/copyright @ONLY)

# Written at configure time; SOURCE_DATE_EPOCH, when set, fixes the date for reproducible builds.
string(TIMESTAMP TABULEX_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

# Installs the copyright and the changelog of one package into its documentation folder.
function(tabulex_install_debian_docs package component)
  set(docDir ${TABULEX_GENERATED_DIR}/doc/${package})
  set(TABULEX_CHANGELOG_PACKAGE ${package})
  configure_file(${TABULEX_PACKAGING_DIR}/debian/changelog.in ${docDir}/changelog.Debian @ONLY)
  add_custom_command(OUTPUT ${docDir}/changelog.Debian.gz
                     COMMAND gzip -9nkf changelog.Debian
                     DEPENDS ${docDir}/changelog.Debian
                     WORKING_DIRECTORY ${docDir}
                     VERBATIM)
  add_custom_target(${package}_changelog ALL DEPENDS ${docDir}/changelog.Debian.gz)
  install(FILES ${TABULEX_GENERATED_DIR}/copyright ${docDir}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endfunction()
