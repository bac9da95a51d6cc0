list(APPEND PURE_SOURCES presentation/panel_layout.cpp presentation/page_texts.cpp)
list(APPEND WINDOWS_SOURCES presentation/background.cpp presentation/status_panel.cpp
    presentation/page_frame.cpp)
