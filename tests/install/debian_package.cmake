# Builds the Debian package with CPack into OUT and checks what it declares
# and holds, as dpkg sees it.
#   cmake -DBUILD_DIR=... -DOUT=... -DCPACK=... -DAPP_ID=... -DHAS_WINDOW=0|1 -P debian_package.cmake
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${log}")
endif()
file(GLOB packages ${OUT}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb --field ${packages} Package Version Depends
                OUTPUT_VARIABLE fields RESULT_VARIABLE result)
execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${packages}")
endif()

set(failures "")
# Each row: a regular expression the fields or the contents must match.
set(field_rows "Package: quorvel\n" "Version: [0-9]+\\.[0-9][0-9]\\.[0-9]+\n")
set(content_rows " \\./usr/bin/quorvel-cli\n" " \\./usr/share/man/man1/quorvel-cli\\.1\\.gz\n")
if(HAS_WINDOW)
  string(REPLACE "." "\\." id "${APP_ID}")
  list(APPEND field_rows
       "Depends:.*libqt6widgets6"
       # A font that draws the window's Chinese texts.
       "Depends:.*fonts-(wqy-microhei|wqy-zenhei|noto-cjk|arphic)"
       # The toolkit's own texts (the boxes' context menu) in Chinese.
       "Depends:.*qt6-translations-l10n")
  list(APPEND content_rows
       " \\./usr/bin/quorvel\n"
       " \\./usr/share/applications/${id}\\.desktop\n"
       " \\./usr/share/metainfo/${id}\\.metainfo\\.xml\n"
       " \\./usr/share/icons/hicolor/16x16/apps/${id}\\.png\n"
       " \\./usr/share/icons/hicolor/32x32/apps/${id}\\.png\n"
       " \\./usr/share/icons/hicolor/48x48/apps/${id}\\.png\n"
       " \\./usr/share/icons/hicolor/256x256/apps/${id}\\.png\n"
       " \\./usr/share/icons/hicolor/scalable/apps/${id}\\.svg\n")
endif()
foreach(row IN LISTS field_rows)
  if(NOT fields MATCHES "${row}")
    string(APPEND failures "fields lack: ${row}\n")
  endif()
endforeach()
foreach(row IN LISTS content_rows)
  if(NOT contents MATCHES "${row}")
    string(APPEND failures "contents lack: ${row}\n")
  endif()
endforeach()
# Nothing of the build machine may leak into the package.
if(contents MATCHES "${BUILD_DIR}|/usr/local/|\\./usr/include/|\\.a\n")
  string(APPEND failures "contents hold build files\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}\nfields:\n${fields}\ncontents:\n${contents}")
endif()
message(STATUS "${fields}")
