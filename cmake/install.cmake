# Install layout: the executables and the files the program expects in its own folder
# (null.gif, rgb.htm) stay together in lib/lumivane; bin/ holds links to them, so the
# program finds its folder from the running executable, installed or in the build tree.
include(GNUInstallDirs)
# Plain lib/, not the multiarch folder: the program's folder is the package's own. On
# Windows the program's folder is bin/ itself.
if(WIN32)
  set(LUMIVANE_INSTALL_DIR ${CMAKE_INSTALL_BINDIR})
else()
  set(LUMIVANE_INSTALL_DIR lib/lumivane)
endif()

set(_programs lumivane-cli)
if(TARGET lumivane)
  list(PREPEND _programs lumivane)
endif()
install(TARGETS ${_programs} RUNTIME DESTINATION ${LUMIVANE_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/assets/null.gif ${CMAKE_SOURCE_DIR}/assets/rgb.htm
        DESTINATION ${LUMIVANE_INSTALL_DIR})

if(NOT WIN32)
  file(RELATIVE_PATH _to_program /${CMAKE_INSTALL_BINDIR} /${LUMIVANE_INSTALL_DIR})
  foreach(_program IN LISTS _programs)
    install(CODE "
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
      file(CREATE_LINK \"${_to_program}/${_program}\"
           \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${_program}\" SYMBOLIC)")
  endforeach()

  install(FILES ${CMAKE_SOURCE_DIR}/packaging/lumivane.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(_size 16 24 32 48 64)
    set(_icon ${CMAKE_SOURCE_DIR}/packaging/icons/${_size}/lumivane.png)
    if(EXISTS ${_icon})
      install(FILES ${_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
    endif()
  endforeach()
  set(_pages ${CMAKE_SOURCE_DIR}/packaging/lumivane-cli.1)
  if(TARGET lumivane)
    list(APPEND _pages ${CMAKE_SOURCE_DIR}/packaging/lumivane.1)
  endif()
  install(FILES ${_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(WIN32)
  return()
endif()

# A Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumivane)
set(CPACK_PACKAGE_VENDOR "Lumivane")
set(CPACK_PACKAGE_CONTACT "Lumivane <lumivane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Restyles the Web View folder template of the Windows file manager")
# The package's long description, wrapped for dpkg's 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Lumivane writes the folder template folder.htt of the Windows file\n\
manager's Web View, keeps a one-time backup, restores the standard\n\
template, copies a stock of pictures, and sets the toolbar background\n\
bitmap and four system colours. On Linux it works on an emulated Windows\n\
system under ~/.local/share/lumivane; lumivane-cli does the same without\n\
a window.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://lumivane.example.org/")
# Library dependencies are read off the binaries; the fonts are needed for the Japanese text.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
include(CPack)
