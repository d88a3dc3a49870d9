# Installs the build into a scratch DESTDIR and checks that every listed file is there and that the
# installed quillon-report reports the project version.
#   cmake -DBUILD_DIR=... -DDEST=... -DFILES=a;b;... -DVERSION=... -P CheckInstallTree.cmake
file(REMOVE_RECURSE ${DEST})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DEST} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(f IN LISTS FILES)
  if(NOT EXISTS ${DEST}/usr/${f})
    message(FATAL_ERROR "not installed: /usr/${f}")
  endif()
endforeach()
execute_process(COMMAND ${DEST}/usr/bin/quillon-report --version OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "quillon-report ${VERSION}\n")
  message(FATAL_ERROR "installed quillon-report --version said \"${out}\" (status ${status})")
endif()
file(REMOVE_RECURSE ${DEST})
