# Fails when a source outside src/platform includes a header of the operating system (POSIX or
# Windows): what the system provides is reached through the platform layer, so that porting is
# one folder.
#   cmake -DSOURCE_DIR=<src> -P CheckSystemHeaders.cmake

cmake_minimum_required(VERSION 3.25)

set(system_header "^(unistd|fcntl|signal|dirent|pwd|grp|spawn|poll|termios|dlfcn|windows|io|direct)\\.h$|^sys/|^csignal$")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults 0)
foreach(source IN LISTS sources)
  if(source MATCHES "^platform/")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*<")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^<]*<([^>]*)>.*$" "\\1" header "${line}")
    string(TOLOWER "${header}" header)
    if(header MATCHES "${system_header}")
      message(SEND_ERROR "src/${source} includes <${header}>: only src/platform includes system headers")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} system header include(s) outside src/platform")
endif()
message(STATUS "System headers are included in src/platform only")
