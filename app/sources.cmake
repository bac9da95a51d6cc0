list(APPEND PURE_SOURCES app/text_util.cpp app/catalog.cpp)
list(APPEND WINDOWS_SOURCES app/startup.cpp app/main_window.cpp)
