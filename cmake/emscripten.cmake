# The web page's build (`emcmake cmake`, see `make web`): emscripten's own C
# and C++ libraries, with the two header-only libraries the chemistry library
# and the report use taken from the host. Each is reached through a folder
# that holds only its link: adding all of /usr/include would put the host's
# C library in front of emscripten's.
set(_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_host_headers})
foreach(library boost nlohmann)
  if(NOT EXISTS /usr/include/${library})
    message(FATAL_ERROR "/usr/include/${library} is missing: scripts/install-deps.sh installs it")
  endif()
  file(CREATE_LINK /usr/include/${library} ${_host_headers}/${library} SYMBOLIC)
endforeach()

add_library(Boost::headers INTERFACE IMPORTED)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
foreach(target Boost::headers nlohmann_json::nlohmann_json)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_host_headers}
                                             INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${_host_headers})
endforeach()

# The chemistry reading reports a parse failure by throwing: without
# WebAssembly's own exceptions emscripten aborts on any throw.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
