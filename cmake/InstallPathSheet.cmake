# Runs at install time (cmake/Install.cmake sets the QUILLMOOR_ variables):
# writes the sample path sheet into the installed program directory, its
# folders naming the prefix installed into. DESTDIR is only a staging root
# (a package build): the sheet names the final place, not the staging one.
set(SAMPLE_PROGRAM_DIR "${CMAKE_INSTALL_PREFIX}/${QUILLMOOR_INSTALL_DIR}")
set(SAMPLE_ATLAS_DIR "${SAMPLE_PROGRAM_DIR}/atlases")
# One table per destination, so that installs running side by side do not
# share it.
string(MD5 destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(table "${QUILLMOOR_WORK_DIR}/${destination}/paths.tsv")
configure_file("${QUILLMOOR_PATHS_TEMPLATE}" "${table}" @ONLY)

set(sheet "$ENV{DESTDIR}${SAMPLE_PROGRAM_DIR}/${QUILLMOOR_SHEET_NAME}")
message(STATUS "Installing: ${sheet}")
execute_process(
  COMMAND /usr/bin/python3 "${QUILLMOOR_SHEET_SCRIPT}" "${table}" "${sheet}"
  RESULT_VARIABLE status)
file(REMOVE_RECURSE "${QUILLMOOR_WORK_DIR}/${destination}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Could not write the path sheet ${sheet}")
endif()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${sheet}")
