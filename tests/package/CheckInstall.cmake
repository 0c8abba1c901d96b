# Makes the portable archive, unpacks it into a folder whose path holds a
# blank, and checks it as a player's desktop would: its layout, both desktop
# entries, the menu script and the updater script.
#   -DBUILD=<build folder> -DWORK=<scratch folder> -DAUTHOR_URL=<OVCL_AUTHOR_URL>

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${rc}): ${out}${err}")
  endif()
  set(out "${out}${err}" PARENT_SCOPE)
endfunction()

function(require_tool var name)
  find_program(${var} ${name})
  if(NOT ${var})
    message(FATAL_ERROR "${name} is missing (tools/setup.sh installs it)")
  endif()
endfunction()
require_tool(validate desktop-file-validate)
require_tool(gio gio)
require_tool(readelf readelf)

# desktop-file-validate prints nothing for an entry without errors and warnings.
function(validate file)
  execute_process(COMMAND ${validate} ${file} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "${file} does not validate:\n${out}")
  endif()
endfunction()

# Waits until a stand-in program has written its marker file.
function(wait_for file)
  foreach(i RANGE 200)
    if(EXISTS ${file})
      return()
    endif()
    execute_process(COMMAND sleep 0.02)
  endforeach()
  message(FATAL_ERROR "nothing was started: ${file} never appeared")
endfunction()

function(read_marker file var)
  wait_for(${file})
  file(READ ${file} text)
  file(REMOVE ${file})
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

function(listing dir var)
  file(GLOB_RECURSE all LIST_DIRECTORIES true RELATIVE ${dir} ${dir}/*)
  list(SORT all)
  set(${var} "${all}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# The archive, made as the README says.
run(${CMAKE_CPACK_COMMAND} --config ${BUILD}/CPackConfig.cmake -B ${WORK}/out)
set(archive ${WORK}/out/ovcl-1.8.3-linux.tar.gz)
if(NOT EXISTS ${archive})
  message(FATAL_ERROR "no archive: ${out}")
endif()
set(games "${WORK}/My Games")
file(MAKE_DIRECTORY "${games}")
run(${CMAKE_COMMAND} -E chdir "${games}" ${CMAKE_COMMAND} -E tar xzf ${archive})
set(folder "${games}/ovcl-1.8.3-linux")

foreach(f ovcl ovcl_query ovcl.png ovcl.desktop install-desktop-entry ovcl_update README.txt
          sounds/press.wav sounds/click.wav sounds/tada.wav sounds/tada2.wav sounds/tada3.wav
          sounds/error.wav sounds/firstrun.wav
          fonts/tahoma.ttf fonts/tahomabd.ttf fonts/ms_sans_serif.ttf fonts/COPYING fonts/copyright)
  if(NOT EXISTS "${folder}/${f}")
    message(FATAL_ERROR "missing from the package: ${f}")
  endif()
endforeach()
foreach(f ovcl ovcl_query ovcl.desktop install-desktop-entry ovcl_update)
  run(test -x "${folder}/${f}")
endforeach()

# A stripped, optimised launcher.
run(${readelf} --wide --section-headers "${folder}/ovcl")
if(out MATCHES "\\.debug_|\\.symtab")
  message(FATAL_ERROR "the packaged ovcl still carries debug information or symbols")
endif()

validate("${folder}/ovcl.desktop")

# The updater opens the author's web site in the default browser.
set(bin ${WORK}/bin)
file(MAKE_DIRECTORY ${bin})
file(WRITE ${bin}/xdg-open "#!/bin/sh\nprintf '%s' \"$*\" > '${WORK}/opened'\n")
file(CHMOD ${bin}/xdg-open PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
run(${CMAKE_COMMAND} -E env "PATH=${bin}:$ENV{PATH}" "${folder}/ovcl_update")
read_marker(${WORK}/opened opened)
if(NOT opened STREQUAL AUTHOR_URL)
  message(FATAL_ERROR "ovcl_update opened '${opened}', not '${AUTHOR_URL}'")
endif()

# From here on a stand-in launcher reports where it was started.
file(WRITE "${folder}/ovcl" "#!/bin/sh\nprintf '%s|%s' \"$0\" \"$PWD\" > '${WORK}/started'\n")

set(home ${WORK}/home)
set(data ${home}/data)
file(MAKE_DIRECTORY ${data})
listing(${data} before)
set(env ${CMAKE_COMMAND} -E env HOME=${home} XDG_DATA_HOME=${data})
set(entry ${data}/applications/ovcl.desktop)

function(check_entry folder)
  validate(${entry})
  if(NOT EXISTS ${data}/icons/hicolor/64x64/apps/ovcl.png)
    message(FATAL_ERROR "the icon was not copied into the icon theme")
  endif()
  file(READ ${entry} text)
  string(FIND "${text}" "Path=${folder}\n" at)
  if(at LESS 0)
    message(FATAL_ERROR "the entry does not work in ${folder}:\n${text}")
  endif()
  # Started as a desktop starts it: the launcher of that folder, in that folder.
  run(${CMAKE_COMMAND} -E chdir / ${env} ${gio} launch ${entry})
  read_marker(${WORK}/started started)
  if(NOT started STREQUAL "${folder}/ovcl|${folder}")
    message(FATAL_ERROR "the entry started '${started}'")
  endif()
endfunction()

run(${env} "${folder}/install-desktop-entry")
check_entry("${folder}")

# Moved to a folder whose name holds quotes, blanks and a dollar: run again, the entry follows.
set(moved "${games}/Orvanta \"client\" $HOME 100%")
file(RENAME "${folder}" "${moved}")
run(${env} "${moved}/install-desktop-entry")
check_entry("${moved}")

run(${env} "${moved}/install-desktop-entry" --remove)
listing(${data} after)
if(NOT before STREQUAL after)
  message(FATAL_ERROR "--remove left the data folder changed: '${after}'")
endif()

# Without XDG_DATA_HOME the entry goes under HOME.
run(${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME HOME=${home} "${moved}/install-desktop-entry")
if(NOT EXISTS ${home}/.local/share/applications/ovcl.desktop)
  message(FATAL_ERROR "without XDG_DATA_HOME the entry is not in ~/.local/share/applications")
endif()
message(STATUS "portable package ok")
