# Installs the game into a temporary prefix and checks the installed copy: the
# desktop entry and metadata pass their validators (when installed), the program
# answers --version, and a first start keeps the players' files under the per-user
# data location, never under the prefix.
set(root ${BUILD}/installation-check)
file(REMOVE_RECURSE ${root})
set(prefix ${root}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix} OUTPUT_QUIET RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
set(id example.tamblor.Paddox)
foreach(f bin/paddox share/paddox/credits.htm share/paddox/whats/paddoxhelpmain.htm share/paddox/hall
          share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml share/man/man6/paddox.6.gz
          share/icons/hicolor/scalable/apps/${id}.svg share/icons/hicolor/48x48/apps/${id}.png
          share/icons/hicolor/256x256/apps/${id}.png)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${prefix}/share/applications/${id}.desktop RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "desktop-file-validate failed")
  endif()
else()
  message(STATUS "desktop-file-validate is not installed: skipped")
endif()
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${prefix}/share/metainfo/${id}.metainfo.xml RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "appstreamcli validate failed")
  endif()
else()
  message(STATUS "appstreamcli is not installed: skipped")
endif()

execute_process(COMMAND ${prefix}/bin/paddox --version OUTPUT_VARIABLE version RESULT_VARIABLE rc)
if(rc OR NOT version STREQUAL "paddox 6.6.2\n")
  message(FATAL_ERROR "paddox --version gave ${rc}: ${version}")
endif()

# A first start of the installed copy, stopped after two seconds.
set(ENV{XDG_DATA_HOME} ${root}/home)
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${prefix}/bin/paddox TIMEOUT 2 RESULT_VARIABLE rc)
if(NOT IS_DIRECTORY ${root}/home/Paddox6/data OR NOT IS_DIRECTORY ${root}/home/Paddox6/hall)
  message(FATAL_ERROR "the installed copy made no player folders under ${root}/home/Paddox6 (${rc})")
endif()
file(GLOB_RECURSE stray ${prefix}/bin/* ${prefix}/share/paddox/*)
list(FILTER stray INCLUDE REGEX "/data/|\\.pdx$|\\.tam$|lock")
if(stray)
  message(FATAL_ERROR "player files under the prefix: ${stray}")
endif()
file(REMOVE_RECURSE ${root})
