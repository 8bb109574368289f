# Lays the install tree down afresh under STAGE, the way a package build
# does: cmake --install with DESTDIR and the prefix /usr.
#   cmake -DBUILD_DIR=... -DSTAGE=... -P stage.cmake
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
