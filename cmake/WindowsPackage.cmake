# The portable zip for Windows: the program, the store tool, the help page and an empty
# store in one folder that runs wherever it is unpacked (`cpack -G ZIP` in the build folder).
if(NOT WIN32 OR NETVANE_CORE_ONLY)
  return()
endif()

install(TARGETS netvane netvane-db RUNTIME DESTINATION .)
install(FILES ${NETVANE_BIN_DIR}/help/helpnetvane.html DESTINATION help)
# Made by the build (netvane-db, under Wine when cross-compiling); never overwritten there.
install(FILES ${NETVANE_BIN_DIR}/DataBase/ipdb.ipdb DESTINATION DataBase)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Netvane)
set(CPACK_PACKAGE_VENDOR Quorvex)
set(CPACK_PACKAGE_FILE_NAME Netvane-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
