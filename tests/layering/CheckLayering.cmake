# Checks the core's layering: every include of a core header from a core source names its own
# folder or a folder its folder's library declares as a dependency, every folder with sources
# is a declared layer, and the declared dependencies form no cycle.
#
#   cmake -DCORE_DIR=<src/core> -DLAYER_FILE=<build>/skyrig_core_layers.cmake -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.22)
include(${LAYER_FILE})

set(failures "")

# Folders holding sources must be layers.
file(GLOB entries LIST_DIRECTORIES true ${CORE_DIR}/*)
foreach(entry ${entries})
  if(IS_DIRECTORY ${entry})
    get_filename_component(folder ${entry} NAME)
    if(NOT folder IN_LIST CORE_LAYERS)
      list(APPEND failures "folder ${folder} is not a declared core layer")
    endif()
  endif()
endforeach()

# Every include of a core folder must be the source's own folder or a declared dependency.
file(GLOB_RECURSE sources RELATIVE ${CORE_DIR} ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
list(SORT sources)
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+" folder ${source})
  file(STRINGS ${CORE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "/")
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" target ${header})
    if(target STREQUAL folder OR NOT target IN_LIST CORE_LAYERS)
      continue()
    endif()
    if(NOT target IN_LIST LAYER_${folder}_DEPENDS)
      list(APPEND failures
           "${source} includes \"${header}\", but ${folder} does not depend on ${target}")
    endif()
  endforeach()
endforeach()

# The declared dependencies must be acyclic: repeatedly remove layers whose dependencies are all
# removed; whatever remains lies on or above a cycle.
set(remaining ${CORE_LAYERS})
set(progress TRUE)
while(progress)
  set(progress FALSE)
  foreach(layer ${remaining})
    set(ready TRUE)
    foreach(dependency ${LAYER_${layer}_DEPENDS})
      if(dependency IN_LIST remaining)
        set(ready FALSE)
      endif()
    endforeach()
    if(ready)
      list(REMOVE_ITEM remaining ${layer})
      set(progress TRUE)
    endif()
  endforeach()
endwhile()
if(remaining)
  list(APPEND failures "the declared dependencies of ${remaining} form a cycle")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Core layering broken:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "Core layering holds for ${count} sources")
