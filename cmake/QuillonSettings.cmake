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

# The build tree has the install layout: the programs in bin/ and their data (the manual, the translations) in
# share/quillon/, found from the program's own folder as ../share/quillon once installed too. A link beside bin/
# keeps each program where scripts have always started it (build/quillon). The test programs, two folders down,
# reach the same data through tests/share.
set(QUILLON_PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)
set(QUILLON_DATA_BUILD_DIR ${CMAKE_BINARY_DIR}/share/quillon)
function(quillon_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUILLON_PROGRAM_DIR})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E create_symlink bin/$<TARGET_FILE_NAME:${target}> ${CMAKE_BINARY_DIR}/${target}
    VERBATIM)
endfunction()
