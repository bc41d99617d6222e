# The resources a Windows program of ours carries besides its version values: the
# application manifest (no elevation, per-monitor DPI, common controls 6, the systems it
# knows) and, for the program itself, its icon.
#
# netvane_windows_resources(<target> [ICON <svg>])
#   ICON: the program's icon, rendered from the SVG into an .ico on the build machine.
include_guard(GLOBAL)
include(${CMAKE_CURRENT_LIST_DIR}/Pictures.cmake)

function(netvane_windows_resources target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(R "" "ICON" "" ${ARGN})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(NETVANE_MANIFEST_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
  configure_file(${CMAKE_SOURCE_DIR}/src/app/windows/netvane.manifest.in ${dir}/program.manifest @ONLY)

  # 1 and 24: the manifest a program's own process uses (CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST).
  set(rc "1 24 \"program.manifest\"\n")
  set(depends ${dir}/program.manifest)
  if(R_ICON)
    netvane_icon_file(${R_ICON} ${dir}/program.ico 16,20,24,32,40,48,64,256)
    # The first icon group is the one the shell shows for the file.
    string(PREPEND rc "1 ICON \"program.ico\"\n")
    list(APPEND depends ${dir}/program.ico)
  endif()
  file(WRITE ${dir}/resources.rc.in "${rc}")
  configure_file(${dir}/resources.rc.in ${dir}/resources.rc COPYONLY)

  if(MINGW)
    set(windres ${CMAKE_RC_COMPILER})
    if(NOT windres)
      find_program(windres NAMES x86_64-w64-mingw32-windres windres REQUIRED)
    endif()
    add_custom_command(OUTPUT ${dir}/resources.res.obj
      COMMAND ${windres} -I ${dir} ${dir}/resources.rc -O coff -o ${dir}/resources.res.obj
      DEPENDS ${dir}/resources.rc ${depends} VERBATIM)
    target_sources(${target} PRIVATE ${dir}/resources.res.obj)
  else()
    target_sources(${target} PRIVATE ${dir}/resources.rc ${depends})
  endif()
endfunction()
