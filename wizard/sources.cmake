list(APPEND PURE_SOURCES wizard/install_options.cpp wizard/text_lines.cpp)
list(APPEND WINDOWS_SOURCES wizard/wizard_driver.cpp wizard/welcome_page.cpp
    wizard/license_page.cpp wizard/install_type_page.cpp wizard/text_list.cpp)
