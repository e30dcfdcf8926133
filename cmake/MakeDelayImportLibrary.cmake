# cmake -P script: turns a mingw-w64 import library into a delay-import
# library of the same DLL, usable in its place.
#
#   -DIMPORT_LIBRARY=libuser32.a -DOUTPUT=out/libuser32.a -DWORK_DIR=dir
#   -DNM=... -DAR=... -DDLLTOOL=...
#
# The export list comes from the import library itself, so it is the same set
# of functions the program could link against before. Data exports cannot be
# delay-loaded and are left out: a program using one fails to link. Members
# that are no imports at all (GUIDs in libshell32.a) are carried over.

cmake_minimum_required(VERSION 3.25)

foreach(var IMPORT_LIBRARY OUTPUT WORK_DIR NM AR DLLTOOL)
  if(NOT ${var})
    message(FATAL_ERROR "MakeDelayImportLibrary: ${var} not set")
  endif()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed: ${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

run(${DLLTOOL} --identify-strict --identify ${IMPORT_LIBRARY})
string(STRIP "${run_output}" dll_name)

# Lines look like "libuser32.a:libuser32s00042.o:0000000000000000 T SetFocus".
run(${NM} -A --defined-only ${IMPORT_LIBRARY})
string(REPLACE "\n" ";" lines "${run_output}")
set(entries)
foreach(line IN LISTS lines)
  if(line MATCHES "^[^:]+:([^:]+):[0-9a-fA-F]+ (.) (.+)$")
    list(APPEND entries "${CMAKE_MATCH_1}|${CMAKE_MATCH_2}|${CMAKE_MATCH_3}")
  endif()
endforeach()

# An import member defines __imp_<name> (or is the list's head or tail).
foreach(entry IN LISTS entries)
  string(REPLACE "|" ";" field "${entry}")
  list(GET field 0 member)
  list(GET field 2 symbol)
  if(symbol MATCHES "^__imp_(.+)$")
    set("imported_${CMAKE_MATCH_1}" TRUE)
    set("import_member_${member}" TRUE)
  elseif(symbol MATCHES "^_head_|_iname$")
    set("import_member_${member}" TRUE)
  endif()
endforeach()

set(functions)
set(other_members)
foreach(entry IN LISTS entries)
  string(REPLACE "|" ";" field "${entry}")
  list(GET field 0 member)
  list(GET field 1 type)
  list(GET field 2 symbol)
  if(type STREQUAL "T" AND DEFINED "imported_${symbol}")
    list(APPEND functions "${symbol}")
  elseif(NOT DEFINED "import_member_${member}")
    list(APPEND other_members "${member}")
  endif()
endforeach()
list(REMOVE_DUPLICATES functions)
list(REMOVE_DUPLICATES other_members)
if(NOT functions)
  message(FATAL_ERROR "no function imports found in ${IMPORT_LIBRARY}")
endif()

list(JOIN functions "\n" exports)
file(WRITE ${WORK_DIR}/exports.def "LIBRARY \"${dll_name}\"\nEXPORTS\n${exports}\n")
# Built under its own name in the work folder: dlltool names the members after it.
get_filename_component(library_name ${OUTPUT} NAME)
run(${DLLTOOL} --input-def exports.def --dllname ${dll_name} --output-delaylib ${library_name})

if(other_members)
  run(${AR} x ${IMPORT_LIBRARY} ${other_members})
  run(${AR} rs ${library_name} ${other_members})
endif()
file(COPY_FILE ${WORK_DIR}/${library_name} ${OUTPUT})
