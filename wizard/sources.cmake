list(APPEND PURE_SOURCES wizard/install_options.cpp wizard/page_sequence.cpp
    wizard/product_version.cpp)
list(APPEND WINDOWS_SOURCES wizard/wizard_driver.cpp)
# Components and overview pages.
list(APPEND PURE_SOURCES wizard/component_choices.cpp)
list(APPEND WINDOWS_SOURCES wizard/components_page.cpp wizard/overview_page.cpp)
