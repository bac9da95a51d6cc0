# The Windows program, its in-process tests under Wine, and the end-to-end tests.
enable_language(RC)

set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Unused functions and data are dropped at link time: the program stays small.
set(CMAKE_CXX_FLAGS_RELEASE "-Os -ffunction-sections -fdata-sections")

# windres reports no dependencies: rebuild the resources when any part of them changes.
file(GLOB RESOURCE_PARTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc
    ${CMAKE_SOURCE_DIR}/resources/*.h ${CMAKE_SOURCE_DIR}/resources/*.manifest
    ${CMAKE_SOURCE_DIR}/resources/bitmaps/*.bmp ${CMAKE_SOURCE_DIR}/resources/icon/*.ico)
set_source_files_properties(resources/install.rc PROPERTIES OBJECT_DEPENDS "${RESOURCE_PARTS}")

add_library(installer_core STATIC ${PURE_SOURCES} ${WINDOWS_SOURCES})
target_include_directories(installer_core PUBLIC ${CMAKE_SOURCE_DIR})
# msvcrt's printf family instead of the larger one mingw links in for C++.
target_compile_definitions(installer_core PUBLIC _WIN32_WINNT=0x0602 WINVER=0x0602
    __USE_MINGW_ANSI_STDIO=0)
target_compile_options(installer_core PRIVATE -Wall -Wextra -fno-exceptions -fno-rtti)
target_link_libraries(installer_core PUBLIC gdi32 user32 kernel32 shell32 ole32 uuid comctl32)

add_executable(installer WIN32 app/winmain.cpp resources/install.rc)
set_target_properties(installer PROPERTIES OUTPUT_NAME INSTALL SUFFIX .EXE)
target_compile_options(installer PRIVATE -fno-exceptions -fno-rtti)
target_link_libraries(installer PRIVATE installer_core)
target_link_options(installer PRIVATE -static $<$<CONFIG:Release>:-s> $<$<CONFIG:Release>:-Wl,--gc-sections>)

# In-process tests: the program's code and resources, driven under Wine.
file(GLOB WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/test_*.cpp)
add_executable(wine_tests ${PURE_TESTS} ${WINE_TESTS} ${TEST_SUPPORT} tests/wine/modal_driver.cpp
    resources/install.rc)
target_link_libraries(wine_tests PRIVATE installer_core gtest_main)
target_link_options(wine_tests PRIVATE -static)
add_test(NAME wine_tests COMMAND wine_tests)
# Screenshots that the dialog tests save for review.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/shots)
# The document viewer that the finishing-action tests register for .pdf files.
add_executable(open_recorder tests/wine/open_recorder.cpp)
target_link_options(open_recorder PRIVATE -static)
add_dependencies(wine_tests open_recorder)
set_tests_properties(wine_tests PROPERTIES ENVIRONMENT "SHOT_DIR=shots" WORKING_DIRECTORY ${CMAKE_BINARY_DIR})

# Help files that each answer a single context id: the dialog tests see which id was asked for.
file(GLOB HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/media/help/*)
set(HELP_VARIANTS ${CMAKE_BINARY_DIR}/help/context-100.chm)
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_custom_command(OUTPUT ${HELP_VARIANTS}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/wine/make_help_variants.py
        ${CMAKE_SOURCE_DIR}/media/help ${CMAKE_BINARY_DIR}/help
    DEPENDS ${HELP_SOURCES} ${CMAKE_SOURCE_DIR}/tests/wine/make_help_variants.py)
add_custom_target(help_variants ALL DEPENDS ${HELP_VARIANTS})
add_dependencies(wine_tests help_variants)

# Help control lookup, each suite in a fresh process (the lookup is done once per run), beside a
# planted hhctrl.ocx in the program's own folder.
set(PLANTED_DIR ${CMAKE_BINARY_DIR}/planted)
add_library(planted_hhctrl SHARED tests/wine/help/planted_hhctrl.cpp)
set_target_properties(planted_hhctrl PROPERTIES PREFIX "" OUTPUT_NAME hhctrl SUFFIX .ocx
    RUNTIME_OUTPUT_DIRECTORY ${PLANTED_DIR})
target_link_options(planted_hhctrl PRIVATE -static)
add_executable(help_tests tests/wine/help/help_tests.cpp ${TEST_SUPPORT})
set_target_properties(help_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PLANTED_DIR})
target_link_libraries(help_tests PRIVATE installer_core gtest_main)
target_link_options(help_tests PRIVATE -static)
add_dependencies(help_tests planted_hhctrl)
foreach(suite HelpMissing HelpPlanted BareNameLoad HelpRegisteredWithVariables
        HelpRegisteredByBareName)
    add_test(NAME help_${suite} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/wine/help/run_in_prefix.sh
        ${PLANTED_DIR} ${suite})
    set_tests_properties(help_${suite} PROPERTIES RESOURCE_LOCK hhctrl)
endforeach()
set_tests_properties(wine_tests PROPERTIES RESOURCE_LOCK hhctrl)

# Inspects windows of other processes for the end-to-end driver.
add_executable(probe tests/e2e/probe.cpp)
target_link_options(probe PRIVATE -static)

# Sanitized native tests, built by the test script in their own tree.
set(NATIVE_TESTS "" CACHE FILEPATH "native_tests binary of the native build")
if(NATIVE_TESTS)
    add_test(NAME native_tests COMMAND ${NATIVE_TESTS})
endif()

add_test(NAME media_script COMMAND bash ${CMAKE_SOURCE_DIR}/tests/media/test_make_media.sh)

# End-to-end tests: the real INSTALL.EXE under Wine, driven with real X input.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.py)
foreach(script ${E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    string(REPLACE "test_" "" name ${name})
    add_test(NAME e2e_${name} COMMAND ${Python3_EXECUTABLE} ${script})
    set_tests_properties(e2e_${name} PROPERTIES
        ENVIRONMENT "INSTALL_EXE=$<TARGET_FILE:installer>;PROBE_EXE=$<TARGET_FILE:probe>;REPO_ROOT=${CMAKE_SOURCE_DIR};E2E_OUT=${CMAKE_BINARY_DIR}/e2e"
        TIMEOUT 600)
endforeach()

# Times CopyTree for scripts/bench-copy (a benchmark, not a test).
add_executable(bench_copytree tests/bench/bench_copytree.cpp)
target_link_libraries(bench_copytree PRIVATE installer_core)
target_link_options(bench_copytree PRIVATE -static)

# The installation search over one tree with a live status panel, for scripts/bench-search.
add_executable(search_bench tests/bench/search_bench.cpp resources/install.rc)
target_link_libraries(search_bench PRIVATE installer_core)
target_link_options(search_bench PRIVATE -static)

# Sees the first page of a starting program show, for scripts/bench-startup.
add_executable(await_window tests/bench/await_window.cpp)
target_link_options(await_window PRIVATE -static)
