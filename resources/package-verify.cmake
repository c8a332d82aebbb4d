# Run by cpack once the Debian package is made (CPACK_POST_BUILD_SCRIPTS, set
# in packaging.cmake): the package must depend on more than the packages typed
# in packaging.cmake, that is, dpkg-shlibdeps must have named the packages of
# the linked libraries (Qt, the C++ library). A package without them installs
# and then cannot start, so it is deleted and cpack fails.

if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

find_program(PELLWICK_DPKG_DEB dpkg-deb REQUIRED)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    execute_process(COMMAND ${PELLWICK_DPKG_DEB} --field "${package}" Depends
        OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
    set(found_library FALSE)
    string(REPLACE "," ";" entries "${depends}")
    foreach(entry IN LISTS entries)
        string(REGEX REPLACE "^ *([^ (|]+).*$" "\\1" name "${entry}")
        if(NOT name IN_LIST CPACK_PELLWICK_TYPED_DEPENDS)
            set(found_library TRUE)
        endif()
    endforeach()
    if(failed OR NOT found_library)
        file(REMOVE "${package}")
        message(FATAL_ERROR "${package} depends only on '${depends}': dpkg-shlibdeps named no library package, "
            "so the package would not start where it is installed. It has been deleted.")
    endif()
endforeach()
