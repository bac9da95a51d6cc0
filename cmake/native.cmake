# Native Linux build of the pure-logic files, with sanitizers, for fast tests.
set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_library(pure_logic STATIC ${PURE_SOURCES})
target_include_directories(pure_logic PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(pure_logic PUBLIC ${SANITIZE} -Wall -Wextra)
target_link_options(pure_logic PUBLIC ${SANITIZE})

add_executable(native_tests ${PURE_TESTS} ${TEST_SUPPORT})
target_link_libraries(native_tests PRIVATE pure_logic gtest_main)
add_test(NAME native_tests COMMAND native_tests)
