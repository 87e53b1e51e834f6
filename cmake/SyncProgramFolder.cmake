# Copies the shipped files into a program folder:
#   cmake -DSOURCE_DIRS="<dir>;<dir>" -DDEST=<program folder> -P SyncProgramFolder.cmake
# SOURCE_DIRS may also be separated by "|", which survives command lines
# better than ";". Only files inside the sub-folders of a source are shipped
# (spreads/, cards/ ...); files at a source's top level are build files, and
# desktop/ holds what the install puts under share/ for the desktop.
#
# A shipped file replaces the installed one when they differ, except the files
# the user owns, which are only put in place when missing: the custom
# descriptions and titles, the settings files and every spread (the user may
# have saved over a shipped spread with the spread editor).

if(NOT DEFINED SOURCE_DIRS OR NOT DEFINED DEST)
    message(FATAL_ERROR "SyncProgramFolder: SOURCE_DIRS and DEST are required")
endif()
string(REPLACE "|" ";" source_dirs "${SOURCE_DIRS}")

function(is_user_owned relative result)
    set(owned FALSE)
    if(relative STREQUAL "descriptions/Custom.srml"
            OR relative STREQUAL "titles/custom.srml"
            OR relative STREQUAL "xfiles/ka-9.1.21.dll"
            OR relative STREQUAL "xfiles/cdm.dll"
            OR relative MATCHES "^spreads/")
        set(owned TRUE)
    endif()
    set(${result} ${owned} PARENT_SCOPE)
endfunction()

foreach(source IN LISTS source_dirs)
    if(NOT IS_DIRECTORY "${source}")
        message(FATAL_ERROR "SyncProgramFolder: no folder ${source}")
    endif()
    file(GLOB_RECURSE files RELATIVE "${source}" LIST_DIRECTORIES false "${source}/*")
    foreach(relative IN LISTS files)
        if(NOT relative MATCHES "/" OR relative MATCHES "^desktop/")
            continue()
        endif()
        set(target "${DEST}/${relative}")
        is_user_owned("${relative}" owned)
        if(owned AND EXISTS "${target}")
            continue()
        endif()
        get_filename_component(target_dir "${target}" DIRECTORY)
        file(MAKE_DIRECTORY "${target_dir}")
        file(COPY_FILE "${source}/${relative}" "${target}" ONLY_IF_DIFFERENT)
    endforeach()
endforeach()

file(MAKE_DIRECTORY "${DEST}/database" "${DEST}/diary")
