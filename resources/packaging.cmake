# Installation of the program and its packages (DEB on Linux, NSIS or ZIP on Windows, DMG on macOS).
#
# Included from the top-level CMakeLists.txt once the executable target
# pellwick-sudoku exists.  The desktop files and icons are installed by
# resources/CMakeLists.txt.

include(GNUInstallDirs)

install(TARGETS pellwick-sudoku
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)

set(CPACK_PACKAGE_NAME pellwick-sudoku)
set(CPACK_PACKAGE_VENDOR "Pellwick Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "The classic number puzzle with three levels of difficulty, a puzzle clock, a progress check that marks clashing entries and an offer of the solution.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Pellwick Sudoku")
set(CPACK_PACKAGE_EXECUTABLES pellwick-sudoku "Pellwick Sudoku")
set(CPACK_STRIP_FILES ON)
if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
endif()
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

set(PELLWICK_PACKAGE_MAINTAINER "Pellwick Software <info@pellwick.com>"
    CACHE STRING "Maintainer named in the packages")
set(CPACK_PACKAGE_CONTACT "${PELLWICK_PACKAGE_MAINTAINER}")

if(WIN32)
    find_program(PELLWICK_MAKENSIS makensis)
    if(PELLWICK_MAKENSIS)
        set(CPACK_GENERATOR NSIS ZIP)
    else()
        set(CPACK_GENERATOR ZIP)
    endif()
    set(CPACK_NSIS_PACKAGE_NAME "Pellwick Sudoku")
    set(CPACK_NSIS_DISPLAY_NAME "Pellwick Sudoku")
    set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_LIST_DIR}/icons/AAA.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_LIST_DIR}/icons/AAA.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\\\pellwick-sudoku.exe")
    set(CPACK_NSIS_URL_INFO_ABOUT "${PROJECT_HOMEPAGE_URL}")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
elseif(APPLE)
    set(CPACK_GENERATOR DragNDrop)
    set(CPACK_DMG_VOLUME_NAME "Pellwick Sudoku")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_NAME pellwick-sudoku)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELLWICK_PACKAGE_MAINTAINER}")
    # dpkg-shlibdeps (package dpkg-dev) works out the packages of the linked
    # libraries.  The window's text falls back to the DejaVu faces, which Qt
    # finds through fontconfig at run time where dpkg-shlibdeps cannot see.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
endif()

include(CPack)
