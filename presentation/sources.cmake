list(APPEND PURE_SOURCES presentation/panel_layout.cpp)
list(APPEND WINDOWS_SOURCES presentation/background.cpp presentation/status_panel.cpp)
