# The Windows program and its release: the icon and version information in the
# exe, then `cmake --build BUILD --target windows_release` leaves the portable
# zip and the installer in BUILD.

set(CUBETIMER_DISPLAY_NAME "Quorvanta Rubik's Timer")
set(CUBETIMER_PUBLISHER Quorvanta)
set_target_properties(quorvanta-timer PROPERTIES WIN32_EXECUTABLE TRUE)

# The exe's icon: the program's picture at every size but the window's own.
find_program(ICOTOOL icotool REQUIRED)
set(CUBETIMER_ICON ${CMAKE_CURRENT_BINARY_DIR}/quorvanta-timer.ico)
set(icon_pngs ${CUBETIMER_ICON_PNGS})
# The 256-pixel picture stays a PNG inside the icon, as Windows expects.
list(POP_BACK icon_pngs large_png)
add_custom_command(OUTPUT ${CUBETIMER_ICON}
                   COMMAND ${ICOTOOL} -c -o ${CUBETIMER_ICON} ${icon_pngs} -r ${large_png}
                   DEPENDS ${icon_pngs} ${large_png} VERBATIM)

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows/quorvanta-timer.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/quorvanta-timer.rc @ONLY)
target_sources(quorvanta-timer PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/quorvanta-timer.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/quorvanta-timer.rc PROPERTIES OBJECT_DEPENDS ${CUBETIMER_ICON})

# The C++ runtime the cross compiler links against, shipped beside the program.
set(CUBETIMER_RUNTIME_DLLS)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE ${path})
        message(FATAL_ERROR "The cross compiler has no ${dll}")
    endif()
    file(REAL_PATH ${path} path)
    list(APPEND CUBETIMER_RUNTIME_DLLS ${path})
endforeach()

# Qt's own texts (dialog buttons and the like) in the program's languages,
# from the host Qt of the same version: the program looks for them in a
# "translations" folder beside it.
find_program(QTPATHS qtpaths6 qtpaths HINTS ${QT_HOST_PATH}/lib/qt6/bin REQUIRED)
execute_process(COMMAND ${QTPATHS} -query QT_INSTALL_TRANSLATIONS
                OUTPUT_VARIABLE host_translations OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(CUBETIMER_QT_TRANSLATIONS)
foreach(language IN LISTS CUBETIMER_LANGUAGES)
    # Qt has no Vietnamese or Indonesian of its own: there its buttons stay English.
    set(qm ${host_translations}/qtbase_${language}.qm)
    if(EXISTS ${qm})
        list(APPEND CUBETIMER_QT_TRANSLATIONS translations/${qm})
    endif()
endforeach()
if(NOT EXISTS ${host_translations}/qtbase_de.qm)
    message(FATAL_ERROR "No Qt translations in ${host_translations}: scripts/install-deps windows installs qt6-translations-l10n")
endif()

find_program(MAKENSIS makensis REQUIRED)
set(CUBETIMER_RELEASE_NAME quorvanta-timer-${PROJECT_VERSION}-win64)
add_custom_target(windows_release
    COMMAND ${CMAKE_COMMAND} -E env
            NAME=${CUBETIMER_RELEASE_NAME} VERSION=${PROJECT_VERSION}
            "DISPLAY_NAME=${CUBETIMER_DISPLAY_NAME}" PUBLISHER=${CUBETIMER_PUBLISHER}
            STRIP=${CMAKE_STRIP} MAKENSIS=${MAKENSIS} ICON=${CUBETIMER_ICON}
            SOURCE=${CMAKE_CURRENT_SOURCE_DIR} OUT=${CMAKE_CURRENT_BINARY_DIR}
            sh ${CMAKE_CURRENT_SOURCE_DIR}/packaging/windows/release.sh
            $<TARGET_FILE:quorvanta-timer>
            $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            ${CUBETIMER_RUNTIME_DLLS}
            platforms/$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
            styles/$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
            ${CUBETIMER_QT_TRANSLATIONS}
    DEPENDS quorvanta-timer
    VERBATIM)
