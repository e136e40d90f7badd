# Writes the menu entry, naming the launcher by its full path (known only once the prefix is).
# The path is quoted as desktop entries want it: inside the quotes \ " ` $ take a backslash,
# itself doubled by the entry's own string escapes, and % is doubled.
set(launcher "${CMAKE_INSTALL_PREFIX}/bin/glosandas")
string(REPLACE "\\" "\\\\\\\\" launcher "${launcher}")
string(REPLACE "\"" "\\\\\"" launcher "${launcher}")
string(REPLACE "`" "\\\\`" launcher "${launcher}")
string(REPLACE "$" "\\\\$" launcher "${launcher}")
string(REPLACE "%" "%%" launcher "${launcher}")
file(READ "${GLOSANDAS_SOURCE_DIR}/packaging/glosandas.desktop.in" entry)
string(REPLACE "@LAUNCHER@" "\"${launcher}\"" entry "${entry}")
set(desktop "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/glosandas.desktop")
file(WRITE "${desktop}" "${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${desktop}")
message(STATUS "Installing: ${desktop}")
