# A portable folder: the launcher keeps its files next to itself, so it is
# installed as one folder that can be unpacked anywhere writable.
install(TARGETS ovcl ovcl_query RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/sounds DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/assets/appicon.png DESTINATION . RENAME ovcl.png)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/README.txt DESTINATION .)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/ovcl.desktop ${PROJECT_SOURCE_DIR}/packaging/install-desktop-entry
        DESTINATION .)

# The updater the launcher starts for a new version: it opens the author's web site.
string(REPLACE "'" "'\\''" OVCL_AUTHOR_URL_QUOTED "${OVCL_AUTHOR_URL}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/ovcl_update.in ${PROJECT_BINARY_DIR}/ovcl_update @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                WORLD_EXECUTE)
install(PROGRAMS ${PROJECT_BINARY_DIR}/ovcl_update DESTINATION .)

# The metric-compatible fonts of the windows (Debian package fonts-wine), with their licence.
set(OVCL_FONT_FILES tahoma.ttf tahomabd.ttf ms_sans_serif.ttf)
set(OVCL_FONT_DIR "/usr/share/wine/fonts" CACHE PATH "Folder holding ${OVCL_FONT_FILES}")
set(OVCL_FONT_LICENCE "/usr/share/common-licenses/LGPL-2.1" CACHE FILEPATH "Licence text of the fonts")
set(OVCL_FONT_COPYRIGHT "/usr/share/doc/fonts-wine/copyright" CACHE FILEPATH "Copyright notice of the fonts")
set(fonts_found TRUE)
foreach(f IN LISTS OVCL_FONT_FILES)
  if(EXISTS ${OVCL_FONT_DIR}/${f})
    install(FILES ${OVCL_FONT_DIR}/${f} DESTINATION fonts)
  else()
    set(fonts_found FALSE)
  endif()
endforeach()
if(fonts_found AND EXISTS ${OVCL_FONT_LICENCE} AND EXISTS ${OVCL_FONT_COPYRIGHT})
  install(FILES ${OVCL_FONT_LICENCE} DESTINATION fonts RENAME COPYING)
  install(FILES ${OVCL_FONT_COPYRIGHT} DESTINATION fonts RENAME copyright)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/fonts-README.txt DESTINATION fonts RENAME README.txt)
else()
  message(WARNING "fonts-wine is not installed: the package will have no fonts/ folder")
endif()

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME ovcl)
set(CPACK_PACKAGE_VENDOR "Orvanta")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvanta Game Client")
set(CPACK_PACKAGE_FILE_NAME "ovcl-${PROJECT_VERSION}-linux")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
