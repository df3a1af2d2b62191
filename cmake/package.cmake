# The Debian package: cpack -G DEB in the build folder. Besides the programs it holds what
# Debian's checks (lintian) ask of every package: the copyright file, in Debian's
# machine-readable form and made from LICENSE, and the changelog, compressed.
set(LUMIVANE_CONTACT "Lumivane <lumivane@example.org>")
set(_doc ${CMAKE_INSTALL_DATADIR}/doc/lumivane)

# LICENSE's copyright line and its permission text, each line of that indented by one space
# and an empty line written as " ." (the form of a License paragraph).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE _license)
if(NOT _license MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.+)$")
  message(FATAL_ERROR "LICENSE has no line \"Copyright (c) ...\" followed by the licence text")
endif()
set(LUMIVANE_COPYRIGHT ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" _text)
string(REPLACE "\n\n" "\n.\n" _text "${_text}")
string(REPLACE "\n" "\n " LUMIVANE_LICENSE_TEXT " ${_text}")
configure_file(${CMAKE_SOURCE_DIR}/packaging/debian/copyright.in
               ${LUMIVANE_PACKAGING_DIR}/copyright @ONLY)
install(FILES ${LUMIVANE_PACKAGING_DIR}/copyright DESTINATION ${_doc})

# A version without a Debian revision makes a native package, whose changelog is changelog.gz.
add_custom_command(OUTPUT ${LUMIVANE_PACKAGING_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/debian/changelog
          ${LUMIVANE_PACKAGING_DIR}/changelog
  COMMAND ${GZIP_PROGRAM} -9nf ${LUMIVANE_PACKAGING_DIR}/changelog
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/debian/changelog VERBATIM)
add_custom_target(lumivane_changelog ALL DEPENDS ${LUMIVANE_PACKAGING_DIR}/changelog.gz)
install(FILES ${LUMIVANE_PACKAGING_DIR}/changelog.gz DESTINATION ${_doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumivane)
set(CPACK_PACKAGE_VENDOR "Lumivane")
set(CPACK_PACKAGE_CONTACT ${LUMIVANE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Restyles the Web View folder template of the Windows file manager")
# The package's long description, wrapped for dpkg's 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Lumivane writes the folder template folder.htt of the Windows file\n\
manager's Web View, keeps a one-time backup, restores the standard\n\
template, copies a stock of pictures, and sets the toolbar background\n\
bitmap and four system colours. On Linux it works on an emulated Windows\n\
system under ~/.local/share/lumivane; lumivane-cli does the same without\n\
a window, and lumivane-webview shows any folder through the written\n\
template, as the file manager would, following every change at once.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://lumivane.example.org/")
# Library dependencies are read off the binaries; the fonts are needed for the Japanese text.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
# The folder viewer's file list shows the desktop's icons; without a desktop, Adwaita's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "adwaita-icon-theme")
include(CPack)
