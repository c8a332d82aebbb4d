# Run by `cmake --install` before the game's files are copied: notes which of
# the folders the install is about to fill do not exist yet, so that the
# uninstall in the README removes exactly the folders the install created and
# leaves alone every folder that was there before (/usr/local/bin, say).
#
# Set by the install rule that includes this file:
#   PELLWICK_FOLDERS    the folders the install fills, relative to the prefix
#   PELLWICK_BUILD_DIR  the build folder
#   PELLWICK_RECORD     the list to keep: one folder a line, each before its parent

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Installs into the build folder (CPack's staging, the install tests) are
# thrown away whole, and noting them would spoil the record of a real install.
cmake_path(IS_PREFIX PELLWICK_BUILD_DIR "${root}" NORMALIZE inside_build)
if(inside_build)
    return()
endif()

set(created)
foreach(folder IN LISTS PELLWICK_FOLDERS)
    cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${root}" NORMALIZE OUTPUT_VARIABLE path)
    cmake_path(GET path ROOT_PATH top)
    while(NOT EXISTS "${path}" AND NOT path STREQUAL top)
        list(APPEND created "${path}")
        cmake_path(GET path PARENT_PATH path)
    endwhile()
endforeach()

# An install over an earlier one creates nothing new: keep what the earlier
# one noted, as long as it is still there.
if(EXISTS "${PELLWICK_RECORD}")
    file(STRINGS "${PELLWICK_RECORD}" noted)
    foreach(path IN LISTS noted)
        if(IS_DIRECTORY "${path}")
            list(APPEND created "${path}")
        endif()
    endforeach()
endif()

list(REMOVE_DUPLICATES created)
# In descending order every folder comes before its parent, so rmdir can take
# the list as it is.
list(SORT created ORDER DESCENDING)
set(text "")
foreach(path IN LISTS created)
    string(APPEND text "${path}\n")
endforeach()
file(WRITE "${PELLWICK_RECORD}" "${text}")
