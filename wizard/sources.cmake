list(APPEND WINDOWS_SOURCES wizard/wizard_driver.cpp)
