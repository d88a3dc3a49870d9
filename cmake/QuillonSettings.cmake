# Compiler settings shared by every target of the project, carried by one interface target.
add_library(quillon_settings INTERFACE)
target_compile_features(quillon_settings INTERFACE cxx_std_20)
target_compile_options(quillon_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>)
target_compile_definitions(quillon_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)

if(QUILLON_SANITIZE)
  target_compile_options(quillon_settings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quillon_settings INTERFACE -fsanitize=address,undefined)
endif()

if(QUILLON_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUILLON_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++)")
  endif()
  target_compile_options(quillon_settings INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(quillon_settings INTERFACE -fsanitize=address,undefined)
endif()
