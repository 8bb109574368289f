# Included right after project() in the Windows cross-build (see
# scripts/check-windows.sh). Debian ships the test, JSON and Boost libraries
# for the build machine only; this makes them usable by the cross compiler without
# letting it see the build machine's own headers and libraries, and points
# find_package() at the result.
set(_packages ${CMAKE_BINARY_DIR}/_packages)

# GoogleTest: compiled here from Debian's sources (package googletest).
set(QUORVEL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")
if(NOT EXISTS ${QUORVEL_GTEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${QUORVEL_GTEST_SOURCE}")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${QUORVEL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL)
foreach(lib gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${lib})
    add_library(GTest::${lib} ALIAS ${lib})
  endif()
endforeach()
file(WRITE ${_packages}/GTest/GTestConfig.cmake
     "# The GTest:: targets exist already: built from source in this tree.\n")
set(GTest_DIR ${_packages}/GTest CACHE PATH "" FORCE)

# nlohmann/json is header-only: a directory holding just its headers, so the
# rest of the build machine's /usr/include stays out of the Windows build.
find_path(QUORVEL_NLOHMANN_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          NO_DEFAULT_PATH)
if(QUORVEL_NLOHMANN_INCLUDE)
  file(MAKE_DIRECTORY ${_packages}/nlohmann_json/include)
  file(CREATE_LINK ${QUORVEL_NLOHMANN_INCLUDE}/nlohmann ${_packages}/nlohmann_json/include/nlohmann
       SYMBOLIC)
  # The version macros moved from json.hpp to a header of their own in 3.11.
  set(_major "")
  foreach(header json.hpp detail/abi_macros.hpp)
    if(_major STREQUAL "" AND EXISTS ${QUORVEL_NLOHMANN_INCLUDE}/nlohmann/${header})
      file(STRINGS ${QUORVEL_NLOHMANN_INCLUDE}/nlohmann/${header} _line
           REGEX "#define NLOHMANN_JSON_VERSION_MAJOR +[0-9]+")
      if(_line MATCHES "MAJOR +([0-9]+)")
        set(_major "${CMAKE_MATCH_1}")
      endif()
    endif()
  endforeach()
  file(WRITE ${_packages}/nlohmann_json/nlohmann_jsonConfig.cmake
       "if(NOT TARGET nlohmann_json::nlohmann_json)\n"
       "  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)\n"
       "  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES\n"
       "    INTERFACE_INCLUDE_DIRECTORIES \"${_packages}/nlohmann_json/include\")\n"
       "endif()\n")
  file(WRITE ${_packages}/nlohmann_json/nlohmann_jsonConfigVersion.cmake
       "set(PACKAGE_VERSION ${_major})\n"
       "set(PACKAGE_VERSION_COMPATIBLE FALSE)\n"
       "if(PACKAGE_FIND_VERSION_MAJOR EQUAL ${_major})\n"
       "  set(PACKAGE_VERSION_COMPATIBLE TRUE)\n"
       "endif()\n")
  set(nlohmann_json_DIR ${_packages}/nlohmann_json CACHE PATH "" FORCE)
endif()

# Boost: only the big integers of Boost.Multiprecision are used, and they are
# header-only. As with nlohmann/json, a directory holds just Boost's headers,
# so the rest of the build machine's /usr/include stays out.
find_path(QUORVEL_BOOST_INCLUDE boost/multiprecision/cpp_int.hpp PATHS /usr/include
          NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH)
if(QUORVEL_BOOST_INCLUDE)
  file(MAKE_DIRECTORY ${_packages}/Boost/include)
  file(CREATE_LINK ${QUORVEL_BOOST_INCLUDE}/boost ${_packages}/Boost/include/boost SYMBOLIC)
  file(STRINGS ${QUORVEL_BOOST_INCLUDE}/boost/version.hpp _line
       REGEX "#define BOOST_VERSION +[0-9]+")
  string(REGEX MATCH "[0-9]+" _number "${_line}")
  math(EXPR _major "${_number} / 100000")
  math(EXPR _minor "${_number} / 100 % 1000")
  math(EXPR _patch "${_number} % 100")
  file(WRITE ${_packages}/Boost/BoostConfig.cmake
       "if(NOT TARGET Boost::headers)\n"
       "  add_library(Boost::headers INTERFACE IMPORTED)\n"
       "  set_target_properties(Boost::headers PROPERTIES\n"
       "    INTERFACE_INCLUDE_DIRECTORIES \"${_packages}/Boost/include\")\n"
       "endif()\n")
  file(WRITE ${_packages}/Boost/BoostConfigVersion.cmake
       "set(PACKAGE_VERSION ${_major}.${_minor}.${_patch})\n"
       "set(PACKAGE_VERSION_COMPATIBLE FALSE)\n"
       "if(NOT PACKAGE_VERSION VERSION_LESS PACKAGE_FIND_VERSION)\n"
       "  set(PACKAGE_VERSION_COMPATIBLE TRUE)\n"
       "endif()\n")
  set(Boost_DIR ${_packages}/Boost CACHE PATH "" FORCE)
endif()

# Test programs cannot run on the build machine: their cases are listed when
# ctest runs (under an emulator, if one is set), never as a build step.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST CACHE STRING "" FORCE)
