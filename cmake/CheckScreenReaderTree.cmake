# Reads the window as a screen reader does: Quillon on the sample practice, on a session bus of its own with the
# accessibility bus, under a virtual X display, read through AT-SPI by tests/app/ScreenReaderTree.py. A missing
# program fails the test and names the Debian package that holds it; the whole run is bounded in time.
#   cmake -DQUILLON=... -DSAMPLE=... -DREPORT=... -DSCRIPT=... -DWORK=... -P CheckScreenReaderTree.cmake
# The system's python3 first: python3-pyatspi installs the module for it, not for a python3 of the user's own.
find_program(found_python3 python3 NO_CACHE PATHS /usr/bin NO_DEFAULT_PATH)
foreach(tool_package IN ITEMS "dbus-run-session:dbus" "xvfb-run:xvfb" "xauth:xauth" "python3:python3")
  string(REPLACE ":" ";" pair "${tool_package}")
  list(GET pair 0 tool)
  list(GET pair 1 package)
  find_program(found_${tool} ${tool} NO_CACHE)
  if(NOT found_${tool})
    message(FATAL_ERROR "${tool} not found: install the Debian package ${package}")
  endif()
endforeach()
find_program(bus_launcher at-spi-bus-launcher NO_CACHE PATHS /usr/libexec /usr/lib/at-spi2-core)
if(NOT bus_launcher)
  message(FATAL_ERROR "at-spi-bus-launcher not found: install the Debian package at-spi2-core")
endif()
execute_process(COMMAND ${found_python3} -c "import pyatspi" RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pyatspi not found: install the Debian package python3-pyatspi")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
# dbus-run-session ends the bus, and xvfb-run the display, when the script ends; the script ends every Quillon it
# starts. The timeout ends a run that hangs all the same.
execute_process(
  COMMAND ${found_dbus-run-session} -- ${found_xvfb-run} -a -s "-screen 0 1280x1024x24"
    ${found_python3} ${SCRIPT} --quillon ${QUILLON} --sample ${SAMPLE} --report ${REPORT} --work ${WORK}
  TIMEOUT 240 RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The screen reader's reading of the window failed (${status})")
endif()
file(REMOVE_RECURSE ${WORK})
