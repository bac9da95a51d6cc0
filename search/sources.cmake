# Installation search files.
list(APPEND PURE_SOURCES search/found_list.cpp search/search_text.cpp)
list(APPEND WINDOWS_SOURCES search/search.cpp)
