# Pictures for builds whose Qt cannot draw SVGs (Windows): the build machine renders the
# SVGs to PNGs in several sizes, and the program's icon file, with netvane-pictures
# (tools/pictures, on the build machine's Qt Svg). A cross build builds that tool for the
# build machine on its own; NETVANE_PICTURES_TOOL may name one built elsewhere.
include_guard(GLOBAL)

set(NETVANE_PICTURES_TOOL "" CACHE FILEPATH "netvane-pictures for the build machine (built when empty)")

function(_netvane_pictures_tool tool_var depends_var)
  if(NETVANE_PICTURES_TOOL)
    set(${tool_var} ${NETVANE_PICTURES_TOOL} PARENT_SCOPE)
    set(${depends_var} ${NETVANE_PICTURES_TOOL} PARENT_SCOPE)
    return()
  endif()
  set(dir ${CMAKE_BINARY_DIR}/pictures-host)
  set(tool ${dir}/netvane-pictures${CMAKE_HOST_EXECUTABLE_SUFFIX})
  if(NOT TARGET netvane_pictures_host)
    include(ExternalProject)
    set(args -DCMAKE_BUILD_TYPE=Release)
    if(CMAKE_CXX_COMPILER_LAUNCHER)
      list(APPEND args -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
    endif()
    # Configured afresh without the cross toolchain: a program for this machine.
    ExternalProject_Add(netvane_pictures_host
      SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/pictures
      BINARY_DIR ${dir}
      CMAKE_ARGS ${args}
      INSTALL_COMMAND ""
      BUILD_BYPRODUCTS ${tool}
      EXCLUDE_FROM_ALL ON)
  endif()
  set(${tool_var} ${tool} PARENT_SCOPE)
  set(${depends_var} netvane_pictures_host ${tool} PARENT_SCOPE)
endfunction()

# netvane_rendered_pictures(<target> <resource> PREFIX <prefix> [SIZES s,s FILES svg...]...)
#   Renders each group of SVGs at its sizes to <stem>-<size>.png and compiles them all
#   in as the Qt resource <resource> under <prefix> (Q_INIT_RESOURCE(<resource>) loads it).
function(netvane_rendered_pictures target resource)
  _netvane_pictures_tool(tool depends)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${resource}_pictures)
  set(args ${ARGN})
  list(POP_FRONT args keyword prefix)
  set(all)
  while(args)
    list(POP_FRONT args sizes_keyword sizes files_keyword)
    set(files)
    while(args)
      list(GET args 0 next)
      if(next STREQUAL "SIZES")
        break()
      endif()
      list(POP_FRONT args file)
      list(APPEND files ${file})
    endwhile()
    set(outputs)
    string(REPLACE "," ";" size_list "${sizes}")
    foreach(file IN LISTS files)
      get_filename_component(stem ${file} NAME_WLE)
      foreach(size IN LISTS size_list)
        list(APPEND outputs ${dir}/${stem}-${size}.png)
      endforeach()
    endforeach()
    add_custom_command(OUTPUT ${outputs}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${tool} png ${dir} ${sizes} ${files}
      DEPENDS ${files} ${depends}
      COMMENT "Rendering ${resource} pictures at ${sizes} pixels" VERBATIM)
    list(APPEND all ${outputs})
  endwhile()
  qt_add_resources(${target} ${resource} PREFIX ${prefix} BASE ${dir} FILES ${all})
endfunction()

# netvane_icon_file(<svg> <out.ico> <sizes>): the icon file a Windows program carries.
function(netvane_icon_file svg ico sizes)
  _netvane_pictures_tool(tool depends)
  add_custom_command(OUTPUT ${ico}
    COMMAND ${tool} ico ${ico} ${sizes} ${svg}
    DEPENDS ${svg} ${depends}
    COMMENT "Rendering the icon file ${ico}" VERBATIM)
endfunction()
