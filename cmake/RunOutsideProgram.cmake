# Runs an outside program a test needs, looked up on the PATH when the test runs. Without it the test fails and
# names the Debian package that holds it, rather than passing or being left out unseen.
#   cmake "-DPROGRAM=name;other-name" -DPACKAGE=debian-package "-DARGS=arg;arg" -P RunOutsideProgram.cmake
find_program(program_path NAMES ${PROGRAM} NO_CACHE NO_DEFAULT_PATH PATHS ENV PATH)
if(NOT program_path)
  list(GET PROGRAM 0 name)
  message(FATAL_ERROR "${name} not found: install the Debian package ${PACKAGE}")
endif()
execute_process(COMMAND ${program_path} ${ARGS} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${program_path} failed (${status})")
endif()
