# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program's own parts, included by the top-level list when it builds for Windows:
# the executable's resources (icon, version information, manifest), and what an installation
# holds beside the program: the Qt libraries and plugins it loads, the compiler's runtime, Qt's
# own translations and a qt.conf that points Qt at them. `cmake --install` puts all of it in one
# folder; windows/package makes the installer and the zip from there.
enable_language(RC)

set(MARNELOK_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
set(MARNELOK_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
set(MARNELOK_ICO ${CMAKE_BINARY_DIR}/marnelok.ico)
set(MARNELOK_MANIFEST ${CMAKE_BINARY_DIR}/marnelok.manifest)
configure_file(${PROJECT_SOURCE_DIR}/windows/marnelok.manifest.in ${MARNELOK_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/windows/marnelok.rc.in ${CMAKE_BINARY_DIR}/marnelok.rc @ONLY)

# The icon from the artwork's pictures, 16 to 256 pixels.
set(icon_pictures "")
foreach(size 16 24 32 48 64 128 256)
  list(APPEND icon_pictures ${PROJECT_SOURCE_DIR}/assets/icons/marnelok-${size}.png)
endforeach()
add_custom_command(OUTPUT ${MARNELOK_ICO}
  COMMAND bash ${PROJECT_SOURCE_DIR}/windows/png-to-ico ${MARNELOK_ICO} ${icon_pictures}
  DEPENDS ${icon_pictures} ${PROJECT_SOURCE_DIR}/windows/png-to-ico
  COMMENT "Packing the program's icon")
set_source_files_properties(${CMAKE_BINARY_DIR}/marnelok.rc PROPERTIES
  OBJECT_DEPENDS "${MARNELOK_ICO};${MARNELOK_MANIFEST}")
target_sources(marnelok PRIVATE ${CMAKE_BINARY_DIR}/marnelok.rc ${MARNELOK_ICO})

# Qt's libraries and the plugins the program loads: the Windows platform (with UI Automation
# for screen readers), the Windows style and the SQLite driver of the history.
foreach(module Core Gui Widgets Sql)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms)
install(FILES $<TARGET_FILE:Qt6::QSQLiteDriverPlugin> DESTINATION plugins/sqldrivers)
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION plugins/styles)
endif()

# The compiler's runtime, which Qt's libraries and the program link.
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "The compiler's runtime ${runtime} was not found")
  endif()
  install(FILES ${runtime_path} DESTINATION .)
endforeach()

# Qt's own texts (buttons of its dialogs) in each of the program's languages: qtbase_<code>.qm,
# or the older whole catalogue qt_<code>.qm where Qt has no qtbase one (Swedish). They are the
# same files on every platform (Debian's qt6-translations-l10n).
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
set(MARNELOK_QT_TRANSLATIONS "${qt_prefix}/translations;/usr/share/qt6/translations" CACHE STRING
    "Folders searched for Qt's own .qm files")
foreach(code IN LISTS MARNELOK_LANGUAGES)
  unset(qm_file)
  foreach(name qtbase_${code}.qm qt_${code}.qm)
    foreach(folder IN LISTS MARNELOK_QT_TRANSLATIONS)
      if(NOT qm_file AND EXISTS ${folder}/${name})
        set(qm_file ${folder}/${name})
      endif()
    endforeach()
  endforeach()
  if(NOT qm_file)
    message(FATAL_ERROR "Qt's translation for ${code} was not found in ${MARNELOK_QT_TRANSLATIONS}"
                        " (Debian: qt6-translations-l10n)")
  endif()
  install(FILES ${qm_file} DESTINATION translations)
endforeach()

# Qt finds its plugins and translations below the program's folder.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf
     "[Paths]\nPrefix = .\nPlugins = plugins\nTranslations = translations\n")
install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
