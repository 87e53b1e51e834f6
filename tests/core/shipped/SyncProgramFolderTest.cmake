# Runs SyncProgramFolder.cmake twice on a scratch folder and checks that the
# second run updates shipped files but keeps the files the user owns.
#   cmake -DSCRIPT=<SyncProgramFolder.cmake> -DWORK=<scratch folder> -P SyncProgramFolderTest.cmake

set(src "${WORK}/shipped")
set(dest "${WORK}/program")
file(REMOVE_RECURSE "${WORK}")

function(put path text)
    file(WRITE "${path}" "${text}")
endfunction()

function(expect_text path expected)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "missing: ${path}")
    endif()
    file(READ "${path}" actual)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${path}: expected '${expected}', found '${actual}'")
    endif()
endfunction()

function(sync)
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIRS=${src}|${WORK}/generated"
                            "-DDEST=${dest}" -P "${SCRIPT}"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "sync failed")
    endif()
endfunction()

set(user_owned spreads/One.srml descriptions/Custom.srml titles/custom.srml
    xfiles/ka-9.1.21.dll xfiles/cdm.dll)
set(shipped descriptions/Main.srml titles/default.srml)

foreach(file IN LISTS user_owned shipped)
    put("${src}/${file}" "shipped ${file}")
endforeach()
put("${src}/CMakeLists.txt" "build file")
put("${WORK}/generated/cards/Deck/normal/1.jpg" "picture")
put("${WORK}/generated/deckgen.stamp" "")

sync()
foreach(file IN LISTS user_owned shipped)
    expect_text("${dest}/${file}" "shipped ${file}")
endforeach()
expect_text("${dest}/cards/Deck/normal/1.jpg" "picture")
foreach(absent CMakeLists.txt deckgen.stamp)
    if(EXISTS "${dest}/${absent}")
        message(FATAL_ERROR "a top-level build file was shipped: ${absent}")
    endif()
endforeach()
foreach(folder database diary)
    if(NOT IS_DIRECTORY "${dest}/${folder}")
        message(FATAL_ERROR "no ${folder}/ folder")
    endif()
endforeach()

# The user edits everything; a new release changes every shipped file.
foreach(file IN LISTS user_owned shipped)
    put("${dest}/${file}" "user ${file}")
    put("${src}/${file}" "release 2 ${file}")
endforeach()
file(REMOVE "${dest}/cards/Deck/normal/1.jpg")

sync()
foreach(file IN LISTS user_owned)
    expect_text("${dest}/${file}" "user ${file}")
endforeach()
foreach(file IN LISTS shipped)
    expect_text("${dest}/${file}" "release 2 ${file}")
endforeach()
expect_text("${dest}/cards/Deck/normal/1.jpg" "picture")

# A user-owned file that the user deleted comes back.
file(REMOVE "${dest}/spreads/One.srml")
sync()
expect_text("${dest}/spreads/One.srml" "release 2 spreads/One.srml")

file(REMOVE_RECURSE "${WORK}")
