# Read by cpack before it makes each package (CPACK_PROJECT_CONFIG_FILE, set
# in packaging.cmake). A Debian package that cannot be made right is not made
# at all: cpack stops with the reason, instead of warning and packing anyway.

if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

set(problems ${CPACK_PELLWICK_PROBLEMS})

# Without dpkg-shlibdeps CPack would pack the program with only the
# dependencies typed in (no Qt at all); without file it cannot tell the
# program from the data files.
find_program(PELLWICK_SHLIBDEPS dpkg-shlibdeps)
if(NOT PELLWICK_SHLIBDEPS)
    list(APPEND problems "dpkg-shlibdeps not found (package dpkg-dev): the package would not depend on Qt")
endif()
find_program(PELLWICK_FILE file)
if(NOT PELLWICK_FILE)
    list(APPEND problems "file not found (package file): CPack cannot tell the program from the data files")
endif()

# A Debian package installs under /usr, with the program in /usr/games; a
# build folder configured for another prefix installs it elsewhere.
if(NOT CPACK_PELLWICK_INSTALL_PREFIX STREQUAL "/usr")
    list(APPEND problems "this build folder installs into ${CPACK_PELLWICK_INSTALL_PREFIX}, a Debian package into /usr")
endif()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "No Debian package made:\n  ${text}\n"
        "scripts/package installs what packaging needs and makes the package in a build folder of its own.")
endif()
