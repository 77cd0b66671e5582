# `cpack -G DEB` in the build directory makes quillmoor_VERSION_ARCH.deb from
# the installed layout (cmake/Install.cmake) under /usr. The shared libraries
# the executables link are found by dpkg-shlibdeps; what is loaded at run time
# without being linked is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmoor)
set(CPACK_PACKAGE_VENDOR "Quillmoor")
set(CPACK_PACKAGE_CONTACT "Quillmoor maintainers <maintainers@quillmoor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue and page viewer for standard drawing atlases")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmoor shows the national standard drawing atlases (PDF books known by codes such as 16G101-1) as a catalogue, tells whether each atlas's PDF is recorded and present, and opens an atlas in a page viewer beside its outline, to print or export its pages. Comes with a sample catalogue.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Install with DESTDIR, so that the install-time path sheet names /usr.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SVG images and icons come through Qt's SVG plugins; the UI and the atlases
# are Chinese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-noto-cjk")
# Printing goes to a CUPS server; the support links open in the desktop's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups, xdg-utils")
include(CPack)
