# The tools' libraries for the unit tests, and the programs the whole-program tests start.
target_link_libraries(wetterpult_tests PRIVATE wetterpult_sim wetterpult_server)
add_dependencies(wetterpult_tests wetterpult wetterpult-decode wetterpult-sim wetterpult-server)
