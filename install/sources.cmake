# Installation engine files.
list(APPEND PURE_SOURCES install/shortcut_names.cpp)
list(APPEND WINDOWS_SOURCES install/shortcuts.cpp)
