list(APPEND PURE_SOURCES wizard/install_options.cpp)
list(APPEND WINDOWS_SOURCES wizard/wizard_driver.cpp)
