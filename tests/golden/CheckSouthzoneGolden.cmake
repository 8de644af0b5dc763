# Runs `skyrig-cli plan` on a fresh copy of the sample project and compares the SHA-256 of every
# file it writes, and of its printed report, with the pinned digests in southzone.sha256.
# Clock-dependent lines (analysis and iteration times, elapsed times, the run time) and the
# project's location are masked before hashing. The printed sheets (PDF pages, the map sheet's
# PNG, the one-line CSV summary) carry the date, the run time and the font rendering of the
# machine: for them only their presence is pinned.
#
#   cmake -DCLI=<skyrig-cli> -DSAMPLE=<examples/southzone> -DWORK=<scratch folder>
#         -DDIGESTS=<tests/golden/southzone.sha256> [-DUPDATE=ON] -P CheckSouthzoneGolden.cmake
#
# With UPDATE=ON the digests file is rewritten from this run instead (after a deliberate change
# of the outputs; review the change of the digests in the commit).
cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/output)
file(COPY ${SAMPLE}/skyrig.json ${SAMPLE}/Forest DESTINATION ${WORK})
if(EXISTS ${SAMPLE}/output/planningarea1)
  file(COPY ${SAMPLE}/output/planningarea1 DESTINATION ${WORK}/output)
endif()
file(GLOB_RECURSE inputs RELATIVE ${WORK} ${WORK}/*)

execute_process(COMMAND ${CLI} plan ${WORK} RESULT_VARIABLE rc OUTPUT_VARIABLE report
                ERROR_VARIABLE errors)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "skyrig-cli plan failed (${rc}):\n${errors}")
endif()

# Masks the lines whose content depends on the clock or on where the project lies.
function(masked_digest text out)
  string(REPLACE "${WORK}" "<project>" text "${text}")
  string(REGEX REPLACE "elapsed [0-9]+:[0-9]+:[0-9]+" "elapsed <time>" text "${text}")
  string(REGEX REPLACE "done in [0-9.]+ s" "done in <time> s" text "${text}")
  string(REGEX REPLACE " +[0-9]+\\.[0-9] s(   best total|\n)" " <time> s\\1" text "${text}")
  string(REGEX REPLACE "Run time +[0-9.]+ s" "Run time <time> s" text "${text}")
  string(REGEX REPLACE "(Hour|Min|Sec): +[0-9.]+" "\\1: <time>" text "${text}")
  string(REGEX REPLACE "Hour Min Sec [0-9. ]+\n" "Hour Min Sec <time>\n" text "${text}")
  string(REGEX REPLACE "Time \\(s\\) +[0-9.]+ +[0-9.]+" "Time (s) <time>" text "${text}")
  string(REGEX REPLACE "processor time [0-9.]+ s" "processor time <time> s" text "${text}")
  string(REGEX REPLACE "Time: [0-9.]+ s" "Time: <time> s" text "${text}")
  string(SHA256 digest "${text}")
  set(${out} ${digest} PARENT_SCOPE)
endfunction()

set(timed CableAnalTime.txt T&Results.txt T&ResultsSep1.txt T&ResultsSep2.txt
          T&ResultsSepFinal.txt T&ResultsAll.txt ImprovedPlan.txt)
set(lines "")
masked_digest("${report}" digest)
list(APPEND lines "${digest}  <printed report>")
file(GLOB_RECURSE written RELATIVE ${WORK} ${WORK}/*)
list(SORT written)
foreach(file ${written})
  if(file IN_LIST inputs)
    continue()
  endif()
  get_filename_component(name ${file} NAME)
  # A GeoPackage records when each layer was written; its content is checked by test_gis.
  if(name MATCHES "\\.gpkg$")
    continue()
  endif()
  if(name MATCHES "\\.pdf$" OR name STREQUAL "plan-map.png")
    set(digest "present")
  elseif(name STREQUAL "plan-summary.csv")
    # Every field but the run time (the 14th).
    file(STRINGS ${WORK}/${file} rows)
    set(masked "")
    foreach(row ${rows})
      string(REPLACE "," ";" fields "${row}")
      list(REMOVE_AT fields 13)
      list(JOIN fields "," row)
      string(APPEND masked "${row}\n")
    endforeach()
    string(SHA256 digest "${masked}")
  elseif(name IN_LIST timed)
    file(READ ${WORK}/${file} text)
    masked_digest("${text}" digest)
  else()
    file(SHA256 ${WORK}/${file} digest)
  endif()
  list(APPEND lines "${digest}  ${file}")
endforeach()
list(JOIN lines "\n" actual)
set(actual "${actual}\n")

if(UPDATE)
  file(WRITE ${DIGESTS} "${actual}")
  message(STATUS "Wrote ${DIGESTS}")
  return()
endif()
file(READ ${DIGESTS} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.sha256 "${actual}")
  execute_process(COMMAND diff ${DIGESTS} ${WORK}/actual.sha256 OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "The sample's outputs differ from the pinned digests (outputs kept in "
                      "${WORK}):\n${difference}")
endif()
message(STATUS "Every output of the sample plan matches its pinned digest")
