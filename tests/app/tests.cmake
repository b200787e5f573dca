# The whole-window test runs the station simulator as its serial port.
if(TARGET wetterpult_ui_tests AND TARGET wetterpult-sim)
  add_dependencies(wetterpult_ui_tests wetterpult-sim)
endif()
