# Installing Netvane on Linux, and its Debian package (cpack -G DEB).
#
#   bin/netvane, bin/netvane-db, bin/netvane-netsh -> ../libexec/netvane/netsh
#   libexec/netvane/netsh        (a generic "netsh" stays off every user's PATH)
#   share/netvane/help/          the help page, found relative to the program
#   share/applications/, share/metainfo/, share/icons/hicolor/scalable/apps/
#   share/man/man1/              netvane(1), netvane-netsh(1), netvane-db(1)
#   share/doc/netvane/           copyright and changelog, as Debian packages carry them
#
# No DataBase folder is installed: without one beside the program, each user gets a store of their own.
if(NETVANE_CORE_ONLY OR WIN32 OR APPLE)
  return()
endif()

set(netvane_data ${CMAKE_SOURCE_DIR}/data)
set(netvane_staged ${CMAKE_BINARY_DIR}/install-staging)

install(TARGETS netvane netvane-db RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS netsh RUNTIME DESTINATION ${NETVANE_INSTALL_HELPERDIR})

# The link by hand, relative so the install tree can move.
file(MAKE_DIRECTORY ${netvane_staged})
file(CREATE_LINK ${NETVANE_HELPER_DIR_FROM_BIN}/netsh ${netvane_staged}/netvane-netsh SYMBOLIC)
install(FILES ${netvane_staged}/netvane-netsh DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/src/app/help/helpnetvane.html DESTINATION ${NETVANE_INSTALL_DATADIR}/help)
install(FILES ${CMAKE_SOURCE_DIR}/src/app/icons/netvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${netvane_data}/${NETVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${netvane_data}/${NETVANE_APP_ID}.metainfo.xml.in ${netvane_staged}/${NETVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${netvane_staged}/${NETVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the changelog carry the project's version, and go in compressed,
# without a time stamp, as Debian wants them.
set(netvane_gz)
foreach(source IN ITEMS man/netvane.1 man/netvane-netsh.1 man/netvane-db.1 debian/changelog)
  get_filename_component(name ${source} NAME)
  configure_file(${netvane_data}/${source}.in ${netvane_staged}/${name} @ONLY)
  add_custom_command(OUTPUT ${netvane_staged}/${name}.gz
    COMMAND gzip -9n -c ${netvane_staged}/${name} > ${netvane_staged}/${name}.gz
    DEPENDS ${netvane_staged}/${name} VERBATIM)
  list(APPEND netvane_gz ${netvane_staged}/${name}.gz)
endforeach()
add_custom_target(netvane_install_files ALL DEPENDS ${netvane_gz})
install(FILES ${netvane_staged}/netvane.1.gz ${netvane_staged}/netvane-netsh.1.gz ${netvane_staged}/netvane-db.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Debian looks for them under the package's name, which is lower case.
install(FILES ${netvane_data}/debian/copyright ${netvane_staged}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/netvane)

# The Debian package, named and versioned from the project.
string(TOLOWER ${PROJECT_NAME} netvane_package)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${netvane_package})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvex")
set(CPACK_PACKAGE_CONTACT "Quorvex <netvane@quorvex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not tell dpkg-shlibdeps: the plugins Qt loads at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "network-manager")
# The synopsis comes from the summary; this is the long part only.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Netvane keeps named IPv4 presets (IP sets: address, subnet mask, gateway,
DNS server or DHCP, and the connection they apply to) and applies one in a
click from its window or its tray icon, or from a script with
netvane --apply NAME. It changes the configuration through its own netsh,
which drives NetworkManager.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
