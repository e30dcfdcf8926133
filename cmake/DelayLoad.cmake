# Delay-loading of system DLLs for an executable that restricts the DLL search
# itself before any of them is needed.
#
# The loader resolves an executable's direct imports, and the imports of
# those, before any of the program's code runs, and may take them from the
# program's folder. So Vorenta.exe imports only KERNEL32 and msvcrt directly;
# every other system DLL is loaded on its first call, after start-up.
#
# The system libraries that are linked delay-loaded. Linking one more into
# Vorenta.exe? Name it here (the import library's name without lib and .a).
set(VORENTA_DELAY_LOADED_DLLS
    user32 gdi32 comctl32 ole32 oleaut32 shell32 advapi32 comdlg32 winspool
    uxtheme dwmapi oleacc bcrypt version)

set(VORENTA_DELAY_IMPORT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/MakeDelayImportLibrary.cmake)

# vorenta_delay_load_system_dlls(TARGET): every -l<name> on TARGET's link line
# for a DLL in the list finds a delay-import library of that DLL first, so
# the libraries stay linked by name wherever they are (target_link_libraries,
# CMake's and the compiler's default libraries), and other targets keep
# ordinary imports.
function(vorenta_delay_load_system_dlls target)
  set(dir ${CMAKE_BINARY_DIR}/delay-import/${target})
  set(libraries)
  foreach(name IN LISTS VORENTA_DELAY_LOADED_DLLS)
    find_library(VORENTA_IMPORT_LIBRARY_${name} NAMES lib${name}.a REQUIRED NO_CACHE)
    set(output ${dir}/lib${name}.a)
    add_custom_command(
      OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DIMPORT_LIBRARY=${VORENTA_IMPORT_LIBRARY_${name}}
              -DOUTPUT=${output} -DWORK_DIR=${dir}/work-${name} -DNM=${CMAKE_NM}
              -DAR=${CMAKE_AR} -DDLLTOOL=${CMAKE_DLLTOOL} -P ${VORENTA_DELAY_IMPORT_SCRIPT}
      DEPENDS ${VORENTA_IMPORT_LIBRARY_${name}} ${VORENTA_DELAY_IMPORT_SCRIPT}
      COMMENT "Delay-import library for ${name}"
      VERBATIM)
    list(APPEND libraries ${output})
  endforeach()
  add_custom_target(${target}_delay_imports DEPENDS ${libraries})
  add_dependencies(${target} ${target}_delay_imports)
  # Searched before the toolchain's own library folder.
  target_link_directories(${target} BEFORE PRIVATE ${dir})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${libraries})
endfunction()
