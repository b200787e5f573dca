# The window test fills its archive from the simulated station.
if(TARGET wetterpult_ui_tests)
  target_link_libraries(wetterpult_ui_tests PRIVATE wetterpult_sim)
endif()
