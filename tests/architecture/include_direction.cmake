# Checks that includes run downward only: app/ -> program/ -> web/ -> publish/ -> outputs/,
# archive/, display/ -> config/, geo/, station/ -> base/ (the uploads in publish/ reuse the APRS
# file's weather fields from outputs/; the web page reuses the MQTT state message). A folder may
# include its own files and those of lower levels, never a folder of its own level or above; a ui/
# folder may also include its own subsystem, and no file outside ui/ and app/ includes a ui/ header.
# Run: cmake -DSOURCE_DIR=<repository> -P include_direction.cmake
set(levels base 0 config 1 geo 1 station 1 display 2 outputs 2 archive 2 publish 3 web 4 program 5 app 6)

function(level_of folder out)
  list(FIND levels ${folder} at)
  if(at EQUAL -1)
    set(${out} -1 PARENT_SCOPE)
  else()
    math(EXPR at "${at} + 1")
    list(GET levels ${at} value)
    set(${out} ${value} PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(faults "")
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" from ${source})
  level_of(${from} from_level)
  set(from_ui FALSE)
  if(source MATCHES "/ui/" OR from STREQUAL "app")
    set(from_ui TRUE)
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} lines REGEX "^#include \"")
  foreach(line ${lines})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target ${line})
    if(NOT target MATCHES "/")
      continue()  # a file of the same folder
    endif()
    string(REGEX MATCH "^[^/]+" to ${target})
    level_of(${to} to_level)
    if(to_level EQUAL -1)
      continue()  # not a folder of src/
    endif()
    if(target MATCHES "/ui/" AND NOT from_ui)
      list(APPEND faults "${source}: ${target} (a window header outside ui/)")
    elseif(NOT to STREQUAL from AND NOT to_level LESS from_level)
      list(APPEND faults "${source}: ${target} (${to}/ is not below ${from}/)")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes against the folder order:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files, every include runs downward")
