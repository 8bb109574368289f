# Where the install tree keeps what: the packaging installs there and
# quorvel-cli --web looks there. On Windows everything sits at the top of the
# install folder, as a Windows program's files do.
include(GNUInstallDirs)
if(WIN32)
  set(QUORVEL_PROGRAM_DIR .)
  set(QUORVEL_WEB_PAGE_DIR .)
else()
  set(QUORVEL_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
  set(QUORVEL_WEB_PAGE_DIR ${CMAKE_INSTALL_DATADIR}/quorvel)
endif()
# The page `make web` builds with emscripten, installed when it is there.
set(QUORVEL_WEB_PAGE ${PROJECT_SOURCE_DIR}/build-web/quorvel.html
    CACHE FILEPATH "The web page to install and test (make web builds it)")
