# Fails when a C++ file under src/, tests/, tools/, bench/ or fuzz/ differs from what clang-format
# makes of it with the .clang-format at the root; names each such file. Run as
#   cmake -DSOURCE_DIR=<root> -DCLANG_FORMAT=<clang-format> -P format_check.cmake
# `clang-format -i FILE` mends a file.
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/bench/*.cpp
     ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/fuzz/*.cpp ${SOURCE_DIR}/fuzz/*.h)
list(SORT files)
# One run over every file; each file that differs gets "FILE:LINE:COL: error: ..." lines.
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result OUTPUT_QUIET
                ERROR_VARIABLE report)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n:]+:[0-9]+:[0-9]+: error" hits "${report}")
  set(unformatted "")
  foreach(hit ${hits})
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error$" "" f "${hit}")
    list(APPEND unformatted ${f})
  endforeach()
  list(REMOVE_DUPLICATES unformatted)
  if(NOT unformatted)
    set(unformatted "${report}")
  endif()
  list(JOIN unformatted "\n  " text)
  message(FATAL_ERROR "Not formatted as .clang-format says (clang-format -i FILE):\n  ${text}")
endif()
