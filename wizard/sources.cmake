list(APPEND PURE_SOURCES wizard/install_options.cpp wizard/page_sequence.cpp
    wizard/product_version.cpp wizard/text_lines.cpp)
list(APPEND WINDOWS_SOURCES wizard/wizard_driver.cpp)
# Welcome, License and Install Type pages.
list(APPEND WINDOWS_SOURCES wizard/welcome_page.cpp wizard/license_page.cpp
    wizard/install_type_page.cpp wizard/text_list.cpp)
# README viewer, Finish page and the finishing actions.
list(APPEND WINDOWS_SOURCES wizard/readme_viewer.cpp wizard/finish_page.cpp
    wizard/finish_actions.cpp)
# Components and overview pages.
list(APPEND PURE_SOURCES wizard/component_choices.cpp)
list(APPEND WINDOWS_SOURCES wizard/components_page.cpp wizard/overview_page.cpp)
# Install Folder page and folder browser.
list(APPEND PURE_SOURCES wizard/folder_text.cpp)
list(APPEND WINDOWS_SOURCES wizard/folder_browser.cpp wizard/install_folder_page.cpp)
