# Installation engine files.
list(APPEND PURE_SOURCES install/shortcut_names.cpp install/copy_names.cpp install/confirm_texts.cpp)
list(APPEND WINDOWS_SOURCES install/shortcuts.cpp install/confirm_overwrite.cpp install/tree_copy.cpp
    install/install_product.cpp)
