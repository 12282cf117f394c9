# The Windows installer (NSIS: a Start-menu entry, .wh files opening in
# LUMORA, an uninstaller) and a portable zip, made by cpack in the Windows
# build: LUMORA-1.0-win64.exe and LUMORA-1.0-win64.zip.
install(TARGETS lumora lumora-cli RUNTIME DESTINATION bin)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION . RENAME copyright.txt)
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME "LUMORA")
set(CPACK_PACKAGE_VENDOR "LUMORA")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programs a sixteen-channel handheld radio over its cable")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "LUMORA-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "LUMORA")
set(CPACK_PACKAGE_EXECUTABLES "lumora;LUMORA")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/packaging/copyright)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DISPLAY_NAME "LUMORA")
set(CPACK_NSIS_PACKAGE_NAME "LUMORA")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_DEFINES "Target amd64-unicode") # a 64-bit installer for 64-bit programs
# .wh files open in LUMORA; the uninstaller takes the association away.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr HKCR '.wh' '' 'LUMORA.ChannelFile'
  WriteRegStr HKCR 'LUMORA.ChannelFile' '' 'LUMORA channel file'
  WriteRegStr HKCR 'LUMORA.ChannelFile\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\bin\\\\lumora.exe\\\" \\\"%1\\\"'
")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  DeleteRegKey HKCR '.wh'
  DeleteRegKey HKCR 'LUMORA.ChannelFile'
")
include(CPack)
