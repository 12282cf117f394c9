# The Windows installer (NSIS: Start-menu entries, .wh files opening in
# LUMORA with its icon, lumora-cli on PATH if the user wants it, an
# uninstaller) and a portable zip, made by cpack in the Windows build:
# LUMORA-1.0-win64.exe and LUMORA-1.0-win64.zip. Both hold bin\ (the
# programs and the third-party notices beside them), doc\ (the manual as
# HTML) and copyright.txt.
install(TARGETS lumora lumora-cli RUNTIME DESTINATION bin)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION . RENAME copyright.txt)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/third-party-notices.txt DESTINATION bin)

# The manual pages as HTML, linked to each other; Help > Manual opens them.
find_program(MANDOC mandoc REQUIRED)
set(lumora_manual)
foreach(page lumora lumora-cli lumora-radio)
    set(html ${CMAKE_BINARY_DIR}/doc/${page}.html)
    add_custom_command(OUTPUT ${html}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
        COMMAND ${MANDOC} -Thtml ${CMAKE_SOURCE_DIR}/packaging/man/${page}.1 > ${html}.tmp
        # "lumora-cli(1)" in the text becomes a link to that page
        COMMAND sed -e "s#<b>\\(lumora[a-z-]*\\)</b>(1)#<a href=\"\\1.html\"><b>\\1</b>(1)</a>#g" ${html}.tmp > ${html}
        DEPENDS ${CMAKE_SOURCE_DIR}/packaging/man/${page}.1 VERBATIM)
    list(APPEND lumora_manual ${html})
endforeach()
add_custom_target(lumora_manual ALL DEPENDS ${lumora_manual})
install(FILES ${lumora_manual} DESTINATION doc)

set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_NAME "LUMORA")
set(CPACK_PACKAGE_VENDOR "the LUMORA developers")
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
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/packaging/icons/lumora.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/packaging/icons/lumora.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\lumora.exe") # Apps & features
set(CPACK_NSIS_MENU_LINKS "doc/lumora.html" "LUMORA manual" "bin/third-party-notices.txt" "LUMORA licences")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The installer's options page offers lumora-cli on PATH (for this user or
# all); a silent install takes /PATH=user or /PATH=all for the same.
set(CPACK_NSIS_MODIFY_PATH ON)

# Qt 6 needs Windows 10: older Windows are refused before anything is
# installed, with a message (in a silent install, exit status 2).
set(lumora_windows10_check "
  \\\${IfNot} \\\${AtLeastWin10}
    MessageBox MB_OK|MB_ICONSTOP 'LUMORA needs Windows 10 or later: this Windows is older, and nothing was installed.' /SD IDOK
    SetErrorLevel 2
    Quit
  \\\${EndIf}")
set(CPACK_NSIS_DEFINES "
  Target amd64-unicode ; a 64-bit installer for 64-bit programs
  !include WinVer.nsh
  !include FileFunc.nsh
  !define MUI_CUSTOMFUNCTION_GUIINIT LumoraNeedsWindows10
  Function LumoraNeedsWindows10
  ${lumora_windows10_check}
  FunctionEnd")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "${lumora_windows10_check}")
# .wh files open in LUMORA and show its icon; the uninstaller takes the
# association away.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr HKCR '.wh' '' 'LUMORA.ChannelFile'
  WriteRegStr HKCR 'LUMORA.ChannelFile' '' 'LUMORA channel file'
  WriteRegStr HKCR 'LUMORA.ChannelFile\\\\DefaultIcon' '' '$INSTDIR\\\\bin\\\\lumora.exe,0'
  WriteRegStr HKCR 'LUMORA.ChannelFile\\\\shell\\\\open\\\\command' '' '\\\"$INSTDIR\\\\bin\\\\lumora.exe\\\" \\\"%1\\\"'
  \\\${GetParameters} $R0
  ClearErrors
  \\\${GetOptions} $R0 '/PATH=' $R1
  \\\${IfNot} \\\${Errors}
    \\\${If} $R1 == 'user'
      StrCpy $DO_NOT_ADD_TO_PATH '0'
      StrCpy $ADD_TO_PATH_CURRENT_USER '1'
    \\\${ElseIf} $R1 == 'all'
      StrCpy $DO_NOT_ADD_TO_PATH '0'
      StrCpy $ADD_TO_PATH_ALL_USERS '1'
    \\\${EndIf}
    Push 'DoNotAddToPath'
    Push $DO_NOT_ADD_TO_PATH
    Call ConditionalAddToRegistry
    Push 'AddToPathAllUsers'
    Push $ADD_TO_PATH_ALL_USERS
    Call ConditionalAddToRegistry
    Push 'AddToPathCurrentUser'
    Push $ADD_TO_PATH_CURRENT_USER
    Call ConditionalAddToRegistry
  \\\${EndIf}
")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  DeleteRegKey HKCR '.wh'
  DeleteRegKey HKCR 'LUMORA.ChannelFile'
")
include(CPack)
