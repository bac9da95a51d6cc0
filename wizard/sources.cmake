list(APPEND PURE_SOURCES wizard/install_options.cpp)
list(APPEND WINDOWS_SOURCES wizard/wizard_driver.cpp)
# Install Folder page and folder browser.
list(APPEND PURE_SOURCES wizard/folder_text.cpp)
list(APPEND WINDOWS_SOURCES wizard/folder_browser.cpp wizard/install_folder_page.cpp)
