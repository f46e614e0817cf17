# Boost's header-only libraries (Debian's libboost-dev) for the cross
# builds too.
#
# The MinGW-w64 and emscripten compilers search their own system roots
# only, never /usr/include, and handing them /usr/include would put the
# build machine's C library headers in front of their own. So the build
# tree gets an include root holding one entry, boost, a link to the host's
# Boost headers, and only the layers that use Boost add it, as a system
# directory (its headers' warnings are not ours). Boost's headers configure
# themselves for the compiler that reads them (boost/config), so the same
# folder serves the native, Windows and WebAssembly builds.
#
#   tqweir_use_boost_headers(TARGET)

find_path(TQWEIR_BOOST_INCLUDE boost/numeric/odeint.hpp
  PATHS /usr/include /usr/local/include
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT TQWEIR_BOOST_INCLUDE)
  message(FATAL_ERROR "Boost's headers (boost/numeric/odeint.hpp) were not found: "
                      "install Debian's libboost-dev")
endif()
set(TQWEIR_BOOST_ROOT ${PROJECT_BINARY_DIR}/include-roots/boost-headers)
if(NOT IS_SYMLINK ${TQWEIR_BOOST_ROOT}/boost)
  file(MAKE_DIRECTORY ${TQWEIR_BOOST_ROOT})
  file(CREATE_LINK ${TQWEIR_BOOST_INCLUDE}/boost ${TQWEIR_BOOST_ROOT}/boost SYMBOLIC)
endif()

function(tqweir_use_boost_headers target)
  target_include_directories(${target} SYSTEM PRIVATE ${TQWEIR_BOOST_ROOT})
endfunction()
