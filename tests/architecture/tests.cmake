# The folder order of the includes, checked over every source file.
add_test(NAME IncludeDirection
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                 -P ${CMAKE_CURRENT_LIST_DIR}/include_direction.cmake)

# Every C++ file as .clang-format writes it (clang-format comes with scripts/install-deps.sh).
find_program(WETTERPULT_CLANG_FORMAT clang-format)
if(WETTERPULT_CLANG_FORMAT)
  add_test(NAME FormatCheck
           COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                   -DCLANG_FORMAT=${WETTERPULT_CLANG_FORMAT}
                   -P ${CMAKE_CURRENT_LIST_DIR}/format_check.cmake)
endif()
