# pugixml, the tree of the XML parts a repair edits. Built from Debian's own source (fetched into
# build-deps/pugixml by scripts/fetch-pugixml.sh) in compact mode, which holds a large document's
# tree in about a quarter of the memory of the normal mode at some cost in parsing speed. The mode
# is a usage requirement of the library, so that every target that includes pugixml.hpp sees the
# same mode as the library was built in. Without the source, the system's library (normal mode).
set(TABULEX_PUGIXML_SOURCE "${PROJECT_SOURCE_DIR}/build-deps/pugixml"
    CACHE PATH "Debian's pugixml source, built in compact mode (scripts/fetch-pugixml.sh fetches it)")

if(EXISTS "${TABULEX_PUGIXML_SOURCE}/src/pugixml.cpp")
  add_library(tabulex_pugixml STATIC "${TABULEX_PUGIXML_SOURCE}/src/pugixml.cpp")
  target_include_directories(tabulex_pugixml SYSTEM PUBLIC "${TABULEX_PUGIXML_SOURCE}/src")
  target_compile_definitions(tabulex_pugixml PUBLIC PUGIXML_COMPACT)
  set_target_properties(tabulex_pugixml PROPERTIES POSITION_INDEPENDENT_CODE ON)
  add_library(pugixml::pugixml ALIAS tabulex_pugixml)
  message(STATUS "pugixml: compact mode, built from ${TABULEX_PUGIXML_SOURCE}")
else()
  find_package(pugixml REQUIRED)
  message(WARNING "pugixml: no source in ${TABULEX_PUGIXML_SOURCE}, so the system's library is used "
                  "in its normal mode, whose trees take about four times the memory (repairs of large "
                  "documents need several times their document.xml more). scripts/fetch-pugixml.sh "
                  "fetches the source.")
endif()
