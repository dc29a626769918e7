# The Debian package: `cmake --build BUILD --target package` (or `make package`).
# Everything in it comes from install(): the program, its desktop files, the
# manual page and the documents below.

# Installed directories are 0755 whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

find_program(GZIP_PROGRAM gzip REQUIRED)
set(CUBETIMER_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvanta-timer)

# gzip -n: no name or time stamp, so the same source gives the same package.
function(cubetimer_gzip source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${output}
                       DEPENDS ${source} VERBATIM)
endfunction()
cubetimer_gzip(${CMAKE_CURRENT_SOURCE_DIR}/docs/quorvanta-timer.6 ${CMAKE_CURRENT_BINARY_DIR}/quorvanta-timer.6.gz)
cubetimer_gzip(${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_target(compressed_docs ALL
                  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/quorvanta-timer.6.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quorvanta-timer.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz packaging/copyright DESTINATION ${CUBETIMER_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvanta-timer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quorvanta)
set(CPACK_PACKAGE_CONTACT "Quorvanta <maintainers@quorvanta.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quorvanta.example/rubiks-timer)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcanberra comes in through the computed dependencies. Its sound-server
# backend is a plugin no library link names, and the countdown is heard only
# through it; the theme holds the warning sound (without it, our own tone).
# The Wayland plugin lets the program run on Wayland desktops without X.
# Qt's own translations give message boxes and file dialogs the user's
# language; Chinese, Japanese and Korean captions need a font with their
# characters, kana and Hangul (WenQuanYi Micro Hei has all three), and
# Vietnamese one with its stacked accents (DejaVu Sans).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libcanberra-pulse, sound-theme-freedesktop, qt6-wayland, qt6-translations-l10n, fonts-wqy-microhei, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timer for speed-solving the 3x3x3 cube")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
A desktop timer for speedcubers. It shows a random scramble and a picture of
the cube as that scramble leaves it, runs an optional inspection countdown
and times each solve with one button that the space bar or Enter works,
stopping the instant the key goes down.
.
Sessions of 5 or 12 solves show the best, worst and average time and the
deviation, and end with a plain-text report to copy or save. Scrambles can
be imported from a text file, and a sheet of contest scrambles generated.")
include(CPack)
