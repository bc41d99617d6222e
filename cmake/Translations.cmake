# The program's translations: translations/netvane_<lang>.ts, compiled to .qm files at
# build time and embedded under :/i18n. A Windows build also embeds the toolkit's own
# qtbase_<lang>.qm (under :/i18n/qt), since no Qt translations folder goes with it.
#
# Texts the Qt-free core composes are marked Tx("Context", "text") and
# TxNoop("Context", "text"); lupdate reads them as translate() and QT_TRANSLATE_NOOP.
set(NETVANE_LANGUAGES de fr es)
set(NETVANE_LUPDATE_OPTIONS -tr-function-alias translate+=Tx,QT_TRANSLATE_NOOP+=TxNoop -locations relative -no-obsolete)

function(netvane_translations target)
  set(ts_files)
  foreach(lang ${NETVANE_LANGUAGES})
    list(APPEND ts_files ${CMAKE_SOURCE_DIR}/translations/netvane_${lang}.ts)
  endforeach()
  # Every text is in src/, for Linux and Windows alike.
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h)

  if(TARGET Qt6::lrelease AND TARGET Qt6::lupdate)
    # update_translations brings the .ts files up to date with the sources.
    qt_add_translations(${target} TS_FILES ${ts_files} SOURCES ${sources} RESOURCE_PREFIX /i18n
                        LUPDATE_OPTIONS ${NETVANE_LUPDATE_OPTIONS})
  else()
    # A cross build's Qt has no translation tools of its own: the build machine's lrelease makes the files.
    find_program(NETVANE_LRELEASE NAMES lrelease lrelease-qt6 PATHS /usr/lib/qt6/bin /usr/lib/qt6/libexec
                 NO_CMAKE_FIND_ROOT_PATH)
    if(NOT NETVANE_LRELEASE)
      message(WARNING "No lrelease found: Netvane is built without its translations")
      return()
    endif()
    set(qm_files)
    foreach(ts ${ts_files})
      get_filename_component(stem ${ts} NAME_WE)
      set(qm ${CMAKE_CURRENT_BINARY_DIR}/${stem}.qm)
      add_custom_command(OUTPUT ${qm} COMMAND ${NETVANE_LRELEASE} -silent ${ts} -qm ${qm} DEPENDS ${ts} VERBATIM)
      list(APPEND qm_files ${qm})
    endforeach()
    qt_add_resources(${target} netvane_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
  endif()

  if(WIN32)
    find_path(NETVANE_QT_TRANSLATIONS qtbase_de.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH)
    if(NETVANE_QT_TRANSLATIONS)
      set(qt_qm)
      foreach(lang ${NETVANE_LANGUAGES})
        list(APPEND qt_qm ${NETVANE_QT_TRANSLATIONS}/qtbase_${lang}.qm)
      endforeach()
      qt_add_resources(${target} netvane_qt_translations PREFIX /i18n/qt BASE ${NETVANE_QT_TRANSLATIONS}
                       FILES ${qt_qm})
    else()
      message(WARNING "No qtbase_*.qm found (qt6-translations-l10n): the toolkit's own texts stay English")
    endif()
  endif()
endfunction()
