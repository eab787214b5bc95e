# Checks the stand-in host's shape: its code lives in wings, each of which may include only
# its own headers and those of the wings below it, and the plug-in includes nothing of the
# stand-in host. Files stay short enough to read, and a long one opens with an index of its
# sections. Run by the tests; by hand:
#
#   cmake -DSOURCE_DIR=. -P scripts/check-layers.cmake
#
cmake_minimum_required(VERSION 3.25)

# Wings from the bottom up. The program itself (simhost/main.cpp) stands over them all.
set(wings host files modeller language studio)
set(longest_file 500)
set(indexed_from 300)

if(NOT SOURCE_DIR)
  set(SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/..")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(faults "")

function(wing_rank wing out)
  list(FIND wings "${wing}" rank)
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/simhost/*.h" "${SOURCE_DIR}/simhost/*.cpp")
foreach(source ${sources})
  file(READ "${SOURCE_DIR}/${source}" text)
  string(REGEX MATCHALL "\n" newlines "${text}")
  list(LENGTH newlines line_count)
  if(line_count GREATER longest_file)
    list(APPEND faults "${source}: ${line_count} lines, more than ${longest_file}")
  endif()
  if(line_count GREATER indexed_from)
    string(SUBSTRING "${text}" 0 3000 head)
    string(FIND "${head}" "Sections:" index_at)
    if(index_at EQUAL -1)
      list(APPEND faults "${source}: ${line_count} lines and no index of its sections (a comment \"Sections:\" near the top)")
    endif()
  endif()

  if(source MATCHES "^simhost/([a-z_]+)/")
    set(wing "${CMAKE_MATCH_1}")
    wing_rank("${wing}" rank)
    if(rank EQUAL -1)
      list(APPEND faults "${source}: in a folder that is not a wing (${wings})")
      continue()
    endif()
  elseif(source STREQUAL "simhost/main.cpp")
    list(LENGTH wings rank)
  else()
    list(APPEND faults "${source}: outside every wing")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"simhost/")
  foreach(include ${includes})
    if(include MATCHES "^#include \"simhost/([a-z_]+)/")
      wing_rank("${CMAKE_MATCH_1}" included_rank)
      if(included_rank GREATER rank)
        list(APPEND faults "${source}: ${include} reaches up, from ${wing} to ${CMAKE_MATCH_1}")
      endif()
    else()
      list(APPEND faults "${source}: ${include} names no wing")
    endif()
  endforeach()
endforeach()

file(GLOB_RECURSE plugin_sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/plugin/*" "${SOURCE_DIR}/pinning/*"
     "${SOURCE_DIR}/ui/*" "${SOURCE_DIR}/host/*")
foreach(source ${plugin_sources})
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^#include \"simhost/")
  foreach(include ${includes})
    list(APPEND faults "${source}: the plug-in includes the stand-in host: ${include}")
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The stand-in host's layout is broken:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of the stand-in host in wings ${wings}: every include points down")
