# Run at install time: CMAKE_INSTALL_PREFIX is then the prefix being installed to (cmake --install
# --prefix, or the package's /usr), which the installed PPDs must name.
set(driverFolder "${CMAKE_INSTALL_PREFIX}/${SERVATO_INSTALL_LIBRARY_DIR}")
set(commandFilter "${CMAKE_INSTALL_PREFIX}/${SERVATO_INSTALL_FILTER_DIR}/servato2-command")
# Two installations at once (a test's and the package's) must not share their filled-in copies.
string(MD5 installation "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(workFolder "${SERVATO_PPD_WORK_DIR}/${installation}")

file(GLOB models "${SERVATO_PPD_SOURCE_DIR}/*.ppd")
set(filled)
foreach(source ${models})
  get_filename_component(name "${source}" NAME)
  file(READ "${source}" ppd)
  string(REPLACE "@DRIVER_FOLDER@" "${driverFolder}" ppd "${ppd}")
  # The filter by its full path: the system's CUPS finds it under any prefix.
  string(REPLACE " 0 servato2-command\"" " 0 ${commandFilter}\"" ppd "${ppd}")
  file(WRITE "${workFolder}/${name}" "${ppd}")
  list(APPEND filled "${workFolder}/${name}")
endforeach()
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${SERVATO_INSTALL_PPD_DIR}" TYPE FILE
  FILES ${filled})
