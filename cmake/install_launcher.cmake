# Writes keldra.desktop into $XDG_DATA_HOME/applications (~/.local/share/applications
# when unset), naming the installed program and its icon. The path is quoted as
# desktop entries require, so that blanks and other characters survive.
set(prefix "${CMAKE_INSTALL_PREFIX}")
if(DEFINED ENV{DESTDIR} AND NOT "$ENV{DESTDIR}" STREQUAL "")
  return()  # a staged install has no user to give a menu entry to
endif()
if(DEFINED ENV{XDG_DATA_HOME} AND NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
  set(apps "$ENV{XDG_DATA_HOME}/applications")
else()
  set(apps "$ENV{HOME}/.local/share/applications")
endif()

function(quote_exec_argument out value)
  set(v "${value}")
  string(REPLACE "\\" "\\\\" v "${v}")
  string(REPLACE "\"" "\\\"" v "${v}")
  string(REPLACE "`" "\\`" v "${v}")
  string(REPLACE "$" "\\$" v "${v}")
  string(REPLACE "%" "%%" v "${v}")
  set(v "\"${v}\"")
  string(REPLACE "\\" "\\\\" v "${v}")  # then escaped again as a desktop string value
  set(${out} "${v}" PARENT_SCOPE)
endfunction()

quote_exec_argument(exec "${prefix}/keldra")
if(prefix MATCHES "%")
  # Launchers look the program up before they undo "%%": hand the path to the
  # shell as its $0 instead, as Keldra's own autostart entries do.
  quote_exec_argument(script "exec \"$0\"")
  set(exec "/bin/sh -c ${script} ${exec}")
endif()
file(MAKE_DIRECTORY "${apps}")
file(WRITE "${apps}/keldra.desktop"
"[Desktop Entry]
Type=Application
Name=Keldra
Comment=Disk space at a glance
Exec=${exec}
Icon=${prefix}/keldra.png
Terminal=false
Categories=System;Monitor;Utility;
")
message(STATUS "Installing: ${apps}/keldra.desktop")
