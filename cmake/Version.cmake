# The file version shows the minor number with two digits ("1.00.1010"), the
# form the Windows version record and --version print.
string(LENGTH "${PROJECT_VERSION_MINOR}" _minor_len)
if(_minor_len LESS 2)
  set(QUORVEL_VERSION_MINOR_2 "0${PROJECT_VERSION_MINOR}")
else()
  set(QUORVEL_VERSION_MINOR_2 "${PROJECT_VERSION_MINOR}")
endif()
set(QUORVEL_VERSION_TEXT
    "${PROJECT_VERSION_MAJOR}.${QUORVEL_VERSION_MINOR_2}.${PROJECT_VERSION_PATCH}")
set(QUORVEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
               ${QUORVEL_GENERATED_DIR}/quorvel/version.h @ONLY)
