# A portable folder: the launcher keeps its files next to itself, so it is
# installed as one folder that can be unpacked anywhere writable.
install(TARGETS ovcl RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/sounds DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/assets/appicon.png DESTINATION . RENAME ovcl.png)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ovcl.desktop DESTINATION .)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME ovcl)
set(CPACK_PACKAGE_VENDOR "Orvanta")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvanta Game Client")
set(CPACK_PACKAGE_FILE_NAME "ovcl-${PROJECT_VERSION}-linux")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
