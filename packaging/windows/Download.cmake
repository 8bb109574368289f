# The Windows download, made by `cpack` in the build folder (scripts/
# check-windows.sh runs it): a portable zip holding both programs and a short
# readme, and an installer of the same files that adds a Start-menu shortcut
# to the window and an uninstaller. Both land beside the programs themselves.
foreach(target quorvel quorvel-cli)
  if(TARGET ${target})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  endif()
endforeach()

# Notepad shows Chinese text right when it is UTF-8 with a byte-order mark.
set(_readme ${CMAKE_CURRENT_BINARY_DIR}/readme.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme.txt.in ${_readme} @ONLY NEWLINE_STYLE CRLF)
install(FILES ${_readme} DESTINATION ${QUORVEL_PROGRAM_DIR})

set(CPACK_GENERATOR ZIP NSIS)
# The NSIS lines below hold backslashes, written into the CPack configuration
# as they are.
set(CPACK_VERBATIM_VARIABLES ON)
# The installer is named as one; the zip keeps the plain package name.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackOptions.cmake)

set(CPACK_PACKAGE_INSTALL_DIRECTORY ${QUORVEL_PRODUCT})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${QUORVEL_PRODUCT})
set(CPACK_NSIS_PACKAGE_NAME ${QUORVEL_PRODUCT})
set(CPACK_NSIS_DISPLAY_NAME ${QUORVEL_PRODUCT})
# The programs are 64-bit, and so is the installer: NSIS's default 32-bit one
# would put them under the 32-bit Program Files and registry view, and cannot
# run at all on a Windows (or Wine) without 32-bit support.
set(CPACK_NSIS_DEFINES "Unicode true\nTarget amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${QUORVEL_ICO_FILE})
set(CPACK_NSIS_MUI_UNIICON ${QUORVEL_ICO_FILE})
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
# A new version replaces an installed one instead of being installed over it.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

if(TARGET quorvel)
  set(CPACK_NSIS_INSTALLED_ICON_NAME quorvel.exe)
  # The shortcut names the window's own file for its icon and starts it in
  # the install folder; its comment is the program's job.
  string(CONFIGURE [[
  CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\@QUORVEL_PRODUCT@.lnk" "$INSTDIR\quorvel.exe" "" "$INSTDIR\quorvel.exe" 0 SW_SHOWNORMAL "" "@QUORVEL_DESCRIPTION_ZH@"]]
         CPACK_NSIS_CREATE_ICONS_EXTRA @ONLY)
  string(CONFIGURE [[
  Delete "$SMPROGRAMS\$MUI_TEMP\@QUORVEL_PRODUCT@.lnk"]]
         CPACK_NSIS_DELETE_ICONS_EXTRA @ONLY)
else()
  set(CPACK_NSIS_INSTALLED_ICON_NAME quorvel-cli.exe)
endif()
