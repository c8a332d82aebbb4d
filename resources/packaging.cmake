# Installation of the program and its packages (DEB on Linux, NSIS or ZIP on Windows, DMG on macOS).
#
# Included from the top-level CMakeLists.txt once the executable target
# pellwick-sudoku exists. resources/CMakeLists.txt installs the desktop files,
# icons, manual page, copyright and changelog, and decides where the program
# goes (PELLWICK_INSTALL_PROGRAMDIR: games for the prefix /usr, else bin). The
# product's name, maker and version come from the top-level CMakeLists.txt
# (PELLWICK_APP_TITLE, PELLWICK_VENDOR, project()) and are typed nowhere here.
#
# The Debian package is made by scripts/package, which builds with the prefix
# /usr and Debian's hardening flags. package-checks.cmake makes cpack refuse a
# Debian package it cannot make right instead of making a poorer one.

include(GNUInstallDirs)

install(TARGETS pellwick-sudoku
    RUNTIME DESTINATION ${PELLWICK_INSTALL_PROGRAMDIR}
    BUNDLE DESTINATION .)

if(NOT WIN32 AND NOT APPLE)
    # Qt's project setup gives every program a RUNPATH of $ORIGIN and
    # $ORIGIN/../lib for libraries installed beside it; this project installs
    # none, and the system's Qt is found where the system keeps it.
    set_target_properties(pellwick-sudoku PROPERTIES INSTALL_RPATH "")
    # The compressed manual page and changelog are installed with the program,
    # so they are made with it, also by a build of the program alone.
    add_dependencies(pellwick-sudoku linux-docs)
    # A stripped install (every package, and `cmake --install --strip`) also
    # drops the sections .comment and .note, as Debian's dh_strip does: they
    # only name the compiler.
    if(CMAKE_STRIP)
        install(CODE "if(CMAKE_INSTALL_DO_STRIP)
            set(program \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PELLWICK_INSTALL_PROGRAMDIR}/$<TARGET_FILE_NAME:pellwick-sudoku>\")
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note \"\${program}\"
                RESULT_VARIABLE failed)
            if(failed)
                message(FATAL_ERROR \"Could not strip the sections .comment and .note from \${program}\")
            endif()
        endif()")
    endif()
endif()

# Joins the paragraphs given after WIDTH into lines of at most WIDTH
# characters, with an empty line between paragraphs. The paragraphs are CMake
# list items, so they hold no semicolon.
function(pellwick_wrap out width)
    set(lines)
    foreach(paragraph IN LISTS ARGN)
        string(REGEX REPLACE " +" ";" words "${paragraph}")
        set(line "")
        foreach(word IN LISTS words)
            string(LENGTH "${line} ${word}" length)
            if(line STREQUAL "")
                set(line "${word}")
            elseif(length GREATER width)
                list(APPEND lines "${line}")
                set(line "${word}")
            else()
                string(APPEND line " ${word}")
            endif()
        endforeach()
        list(APPEND lines "${line}" "")
    endforeach()
    list(POP_BACK lines)
    list(JOIN lines "\n" text)
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(CPACK_PACKAGE_NAME pellwick-sudoku)
set(CPACK_PACKAGE_VENDOR "${PELLWICK_VENDOR}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Lines of at most 79 characters: Debian shows each with one blank before it
# and wants no line over 80.
pellwick_wrap(CPACK_PACKAGE_DESCRIPTION 79
    "${PELLWICK_APP_TITLE} is the classic number puzzle: fill the 9 x 9 grid so that every row, every column and every 3 x 3 box holds each digit from 1 to 9 once. Every puzzle is dealt from a freshly shuffled grid, with 31, 51 or 61 cells to fill at the levels Beginner, Intermediate and Professional."
    "Several digits typed into one cell stay there as candidate notes. A puzzle clock times every game. The progress check marks every clashing entry in red, at the cost of a few seconds on the clock, and the Solve button hands in a finished puzzle or offers the solution.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${PELLWICK_APP_TITLE}")
set(CPACK_PACKAGE_EXECUTABLES pellwick-sudoku "${PELLWICK_APP_TITLE}")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

set(PELLWICK_PACKAGE_MAINTAINER "${PELLWICK_RELEASE_MAINTAINER}"
    CACHE STRING "Maintainer named in the packages (by default the signer of the newest CHANGELOG entry)")
set(CPACK_PACKAGE_CONTACT "${PELLWICK_PACKAGE_MAINTAINER}")

# Read by cpack for every generator: the checks that stop a Debian package
# from being made without what it needs.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-checks.cmake)
set(CPACK_PELLWICK_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_PELLWICK_PROBLEMS "")

if(WIN32)
    find_program(PELLWICK_MAKENSIS makensis)
    if(PELLWICK_MAKENSIS)
        set(CPACK_GENERATOR NSIS ZIP)
    else()
        set(CPACK_GENERATOR ZIP)
    endif()
    set(CPACK_NSIS_PACKAGE_NAME "${PELLWICK_APP_TITLE}")
    set(CPACK_NSIS_DISPLAY_NAME "${PELLWICK_APP_TITLE}")
    set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_LIST_DIR}/icons/AAA.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_LIST_DIR}/icons/AAA.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\\\pellwick-sudoku.exe")
    set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
elseif(APPLE)
    set(CPACK_GENERATOR DragNDrop)
    set(CPACK_DMG_VOLUME_NAME "${PELLWICK_APP_TITLE}")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_NAME pellwick-sudoku)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELLWICK_PACKAGE_MAINTAINER}")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    # Debian's synopsis starts without an article: "Sudoku game for one
    # player". CPackDeb puts it above the description.
    string(REGEX REPLACE "^(A|An|The) " "" CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")

    # dpkg-shlibdeps (package dpkg-dev) names the packages of the linked
    # libraries; package-checks.cmake stops cpack where it is missing. What
    # it cannot see is named here:
    #  - the DejaVu faces, which the window's text falls back to through
    #    fontconfig;
    #  - Qt's platform plugins, which Qt loads at start-up (xcb on X11 and
    #    XWayland): on Debian 12 they ship in libqt6gui6, which the program
    #    links anyway, and later releases move them to a package of their
    #    own, so the package that owns the xcb plugin here is named when it is
    #    not the one of the Gui library.
    set(depends fonts-dejavu-core)
    find_program(PELLWICK_DPKG_QUERY dpkg-query)
    if(PELLWICK_DPKG_QUERY)
        get_target_property(gui_library Qt6::Gui LOCATION)
        set(xcb_plugin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/libqxcb.so")
        set(owners)
        foreach(file IN ITEMS "${gui_library}" "${xcb_plugin}")
            execute_process(COMMAND ${PELLWICK_DPKG_QUERY} --search "${file}"
                OUTPUT_VARIABLE owner ERROR_QUIET RESULT_VARIABLE failed)
            string(REGEX REPLACE "^([^:, ]+).*$" "\\1" owner "${owner}")
            if(failed OR owner STREQUAL "")
                list(APPEND CPACK_PELLWICK_PROBLEMS "no installed package owns ${file}")
            endif()
            list(APPEND owners "${owner}")
        endforeach()
        list(GET owners 0 gui_package)
        list(GET owners 1 plugin_package)
        if(NOT plugin_package STREQUAL "" AND NOT plugin_package STREQUAL gui_package)
            list(APPEND depends ${plugin_package})
        endif()
    else()
        list(APPEND CPACK_PELLWICK_PROBLEMS "dpkg-query not found: not a Debian system")
    endif()
    list(JOIN depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # The links open the maker's pages through xdg-open; Qt's own texts (the
    # buttons of a question, say) come in the player's language from Qt's
    # translations; a Wayland session gets native windows from Qt's Wayland
    # plugin, and falls back to XWayland without it.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
    # After the package is made: check that dpkg-shlibdeps did add the
    # libraries' packages.
    set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package-verify.cmake)
    set(CPACK_PELLWICK_TYPED_DEPENDS "${depends}")
endif()

include(CPack)
