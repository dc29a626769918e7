# The tests of the Windows build: GoogleTest cross-built from Debian's source,
# and every test program run by Wine in one fresh prefix per ctest run.

set(CUBETIMER_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source (Debian's googletest)")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${CUBETIMER_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Wine finds the program's DLLs on WINEPATH: the C++ runtime's and Qt's.
set(dll_folders ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(dll IN LISTS CUBETIMER_RUNTIME_DLLS)
    get_filename_component(folder ${dll} DIRECTORY)
    list(APPEND dll_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES dll_folders)
string(REPLACE ";" ":" dll_folders "${dll_folders}")

set(CUBETIMER_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CUBETIMER_WINE_PREFIX} ${dll_folders})

add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh start ${CUBETIMER_WINE_PREFIX})
add_test(NAME wine_prefix_end COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh stop ${CUBETIMER_WINE_PREFIX})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine SKIP_RETURN_CODE 77 TIMEOUT 300)
set_tests_properties(wine_prefix_end PROPERTIES FIXTURES_CLEANUP wine)

# cubetimer_add_wine_test(TARGET [NO_PRETTY_VALUES] [PROPERTIES ...]): the
# whole program as one test, in the shared prefix.
function(cubetimer_add_wine_test target)
    cmake_parse_arguments(arg "NO_PRETTY_VALUES" "" "PROPERTIES" ${ARGN})
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine SKIP_RETURN_CODE 77 TIMEOUT 300 ${arg_PROPERTIES})
endfunction()

add_test(NAME windows_exe_resources
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/exe_resources.sh $<TARGET_FILE:quorvanta-timer> ${PROJECT_VERSION})
set_tests_properties(windows_exe_resources PROPERTIES SKIP_RETURN_CODE 77)

# The released program under Wine and a private X server, each case in a
# prefix of its own: installed by the installer, timed by keys, saving onto
# a full disk, the countdown heard, a Stackmat's solves heard on the default
# input, removed by the uninstaller, and in other languages.
set(CUBETIMER_SETUP ${CMAKE_BINARY_DIR}/${CUBETIMER_RELEASE_NAME}-setup.exe)
# A part's own argument: the tool that writes the timers' signals, or where
# dpi144 (the window at 144 dots per inch, and in full screen) keeps its shots.
set(wine_e2e_stackmat $<TARGET_FILE:stackmat_wav>)
set(wine_e2e_dpi144 ${CMAKE_BINARY_DIR}/wine-shots)
foreach(part IN ITEMS session full_disk beeps stackmat dpi144 languages)
    add_test(NAME wine_e2e_${part} COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine_e2e.sh ${CUBETIMER_SETUP} ${part}
                                           ${wine_e2e_${part}})
    set_tests_properties(wine_e2e_${part} PROPERTIES TIMEOUT 400 RUN_SERIAL TRUE SKIP_RETURN_CODE 77)
endforeach()
