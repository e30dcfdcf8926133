# cmake -P script: fails when EXECUTABLE imports a DLL directly, through its
# import table, that is not one of ALLOWED (space-separated, case ignored).
#
#   -DOBJDUMP=... -DEXECUTABLE=... "-DALLOWED=KERNEL32.dll msvcrt.dll"

cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE}
                RESULT_VARIABLE status OUTPUT_VARIABLE dump ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${EXECUTABLE} failed: ${error}")
endif()

# Only the import table: a delay-import table, where the linker fills one in,
# names DLLs the same way.
string(FIND "${dump}" "The Import Tables" start)
if(start EQUAL -1)
  message(FATAL_ERROR "no import table in ${EXECUTABLE}")
endif()
string(SUBSTRING "${dump}" ${start} -1 imports)
string(FIND "${imports}" "\nThe " end)
if(NOT end EQUAL -1)
  string(SUBSTRING "${imports}" 0 ${end} imports)
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${imports}")
string(TOUPPER "${ALLOWED}" allowed)
separate_arguments(allowed)
set(unexpected)
foreach(line IN LISTS lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOUPPER "${dll}" key)
  if(key IN_LIST allowed)
    message(STATUS "imported directly: ${dll}")
  else()
    message(STATUS "imported directly, unexpected: ${dll}")
    list(APPEND unexpected ${dll})
  endif()
endforeach()

if(NOT lines)
  message(FATAL_ERROR "no DLL names found in the import table of ${EXECUTABLE}")
endif()
if(unexpected)
  message(FATAL_ERROR "${EXECUTABLE} imports DLLs directly that the loader may take from "
                      "its folder. A system library linked into Vorenta.exe belongs in "
                      "VORENTA_DELAY_LOADED_DLLS (cmake/DelayLoad.cmake).")
endif()
