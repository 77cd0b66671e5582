# The installed layout: the program, its companion tool and the sample data
# side by side in lib/quillmoor/ (the program finds its data beside its real
# path), links to both in bin/, a desktop entry and the icon where desktops
# look for them.
set(QUILLMOOR_INSTALL_DIR lib/quillmoor)

install(TARGETS quillmoor quillmoor-tool RUNTIME DESTINATION ${QUILLMOOR_INSTALL_DIR})
if(QUILLMOOR_RESOURCE_MODE EQUAL 2)
  install(FILES ${QUILLMOOR_OUTPUT_DIR}/Quillmoor.zip DESTINATION ${QUILLMOOR_INSTALL_DIR})
endif()

foreach(file IN LISTS QUILLMOOR_SAMPLE_FILES)
  file(RELATIVE_PATH relative ${QUILLMOOR_OUTPUT_DIR} ${file})
  get_filename_component(folder ${relative} DIRECTORY)
  install(FILES ${file} DESTINATION ${QUILLMOOR_INSTALL_DIR}/${folder})
endforeach()

# The path sheet records absolute folders, so it is written at install time
# for the prefix installed into (see InstallPathSheet.cmake).
install(CODE "
  set(QUILLMOOR_INSTALL_DIR [[${QUILLMOOR_INSTALL_DIR}]])
  set(QUILLMOOR_PATHS_TEMPLATE [[${QUILLMOOR_SAMPLE_PATHS_TEMPLATE}]])
  set(QUILLMOOR_SHEET_NAME [[${QUILLMOOR_SAMPLE_SHEET_NAME}]])
  set(QUILLMOOR_SHEET_SCRIPT [[${CMAKE_SOURCE_DIR}/tools/make-path-sheet.py]])
  set(QUILLMOOR_WORK_DIR [[${CMAKE_BINARY_DIR}/install-sheet]])
  include([[${CMAKE_SOURCE_DIR}/cmake/InstallPathSheet.cmake]])
")

# Relative links, so that a staged or relocated tree stays whole.
set(link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${link_dir})
foreach(program quillmoor quillmoor-tool)
  file(CREATE_LINK ../${QUILLMOOR_INSTALL_DIR}/${program} ${link_dir}/${program} SYMBOLIC)
  install(FILES ${link_dir}/${program} DESTINATION bin)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/tools/install/quillmoor.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/ui/quillmoor.svg DESTINATION share/icons/hicolor/scalable/apps)
