# Writes the desktop entry into share/applications/ of the install prefix with
# Exec and TryExec naming the installed program. Runs inside cmake --install,
# with KESTRAVA_DESKTOP_ENTRY naming the entry to start from.

set(program "${CMAKE_INSTALL_PREFIX}/kestrava")
if(program MATCHES "[\n\r]")
    message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break")
endif()

# An Exec argument with reserved characters goes in double quotes, where ",
# `, $ and \ take a backslash; a literal % is doubled everywhere.
set(argument "${program}")
if(argument MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\" argument "${argument}")
    string(REPLACE "\"" "\\\"" argument "${argument}")
    string(REPLACE "`" "\\`" argument "${argument}")
    string(REPLACE "$" "\\$" argument "${argument}")
    set(argument "\"${argument}\"")
endif()
string(REPLACE "%" "%%" argument "${argument}")
# Then every value of the file escapes its backslashes once more.
string(REPLACE "\\" "\\\\" exec "${argument}")
string(REPLACE "\\" "\\\\" try_exec "${program}")

file(READ "${KESTRAVA_DESKTOP_ENTRY}" entry)
string(FIND "${entry}" "\nExec=kestrava" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${KESTRAVA_DESKTOP_ENTRY} has no Exec=kestrava line")
endif()
math(EXPR after_name "${at} + 14")
string(SUBSTRING "${entry}" 0 ${at} head)
string(SUBSTRING "${entry}" ${after_name} -1 tail)
set(entry "${head}\nTryExec=${try_exec}\nExec=${exec}${tail}")

set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/kestrava.desktop")
message(STATUS "Installing: ${target}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications")
file(WRITE "${target}.new" "${entry}")
file(RENAME "${target}.new" "${target}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${target}")
