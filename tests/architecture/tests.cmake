# The folder order of the includes, checked over every source file.
add_test(NAME IncludeDirection
         COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                 -P ${CMAKE_CURRENT_LIST_DIR}/include_direction.cmake)
