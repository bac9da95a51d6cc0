# Installation engine files.
list(APPEND PURE_SOURCES install/copy_names.cpp install/confirm_texts.cpp)
list(APPEND WINDOWS_SOURCES install/confirm_overwrite.cpp install/tree_copy.cpp
    install/install_product.cpp)
# TEMPORARY until the shortcut code is merged; remove with the file.
list(APPEND WINDOWS_SOURCES install/shortcuts_pending.cpp)
