# The Windows installer, next to the zip: `cmake --build build-win --target netvane_installer`
# makes Netvane-<version>-win64-setup.exe with makensis (Debian's nsis) from
# cmake/windows/netvane.nsi.in, on stripped copies of the program and the store tool.
if(NOT WIN32 OR NETVANE_CORE_ONLY)
  return()
endif()
find_program(NETVANE_MAKENSIS makensis)
if(NOT NETVANE_MAKENSIS)
  message(STATUS "makensis not found: no installer (apt-get install nsis)")
  return()
endif()

# LZMA makes the smallest installer and takes longest; CI's check asks for a quicker one.
set(NETVANE_INSTALLER_COMPRESSOR "/SOLID lzma" CACHE STRING "makensis SetCompressor arguments for the installer")
set(NETVANE_INSTALLER ${CMAKE_BINARY_DIR}/Netvane-${PROJECT_VERSION}-win64-setup.exe)
set(NETVANE_STAGE ${CMAKE_BINARY_DIR}/installer/files)
set(NETVANE_VENDOR Quorvex)
set(NETVANE_FOUR_PART_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
# Drawn for the program by netvane_windows_resources (src/app).
set(NETVANE_ICON ${CMAKE_BINARY_DIR}/src/app/netvane_resources/program.ico)
configure_file(${CMAKE_SOURCE_DIR}/cmake/windows/netvane.nsi.in ${CMAKE_BINARY_DIR}/installer/netvane.nsi @ONLY)

set(strip ${CMAKE_STRIP})
if(NOT strip)
  find_program(strip NAMES x86_64-w64-mingw32-strip strip REQUIRED)
endif()
add_custom_command(OUTPUT ${NETVANE_INSTALLER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NETVANE_STAGE}/help
  COMMAND ${strip} -o ${NETVANE_STAGE}/netvane.exe $<TARGET_FILE:netvane>
  COMMAND ${strip} -o ${NETVANE_STAGE}/netvane-db.exe $<TARGET_FILE:netvane-db>
  COMMAND ${CMAKE_COMMAND} -E copy ${NETVANE_BIN_DIR}/help/helpnetvane.html ${NETVANE_STAGE}/help/
  COMMAND ${NETVANE_MAKENSIS} -V2 ${CMAKE_BINARY_DIR}/installer/netvane.nsi
  DEPENDS netvane netvane-db ${CMAKE_BINARY_DIR}/installer/netvane.nsi ${NETVANE_BIN_DIR}/help/helpnetvane.html
  COMMENT "Making the installer ${NETVANE_INSTALLER}"
  VERBATIM)
add_custom_target(netvane_installer DEPENDS ${NETVANE_INSTALLER})
