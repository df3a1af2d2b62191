# Install layout: the executables and the files the program expects in its own folder
# (null.gif, rgb.htm) stay together in lib/lumivane; bin/ holds links to them, so the
# program finds its folder from the running executable, installed or in the build tree.
include(GNUInstallDirs)
# Plain lib/, not the multiarch folder: the program's folder is the package's own. On
# Windows the program's folder is the installed folder itself, as in the zip for users.
if(WIN32)
  set(LUMIVANE_INSTALL_DIR .)
else()
  set(LUMIVANE_INSTALL_DIR lib/lumivane)
endif()
# Files made in the build for the install: compressed manual pages, the shell completion.
set(LUMIVANE_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
find_program(GZIP_PROGRAM gzip)

# Installs one program: the executable in the program's folder, a link to it in bin/ and its
# manual page packaging/<program>.1, compressed as Debian wants it. A program with a window
# gives its id (reverse domain name) as APP_ID and has its desktop entry and AppStream
# metainfo under that name: packaging/<id>.desktop, packaging/<id>.metainfo.xml.
function(lumivane_install_program program)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "APP_ID" "")
  install(TARGETS ${program} RUNTIME DESTINATION ${LUMIVANE_INSTALL_DIR})
  if(WIN32)
    return()
  endif()

  file(RELATIVE_PATH to_program /${CMAKE_INSTALL_BINDIR} /${LUMIVANE_INSTALL_DIR})
  install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${to_program}/${program}\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\" SYMBOLIC)")

  set(page ${LUMIVANE_PACKAGING_DIR}/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/${program}.1 ${page}
    COMMAND ${GZIP_PROGRAM} -9nf ${page}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${program}.1 VERBATIM)
  add_custom_target(${program}_man_page ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

  if(arg_APP_ID)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${arg_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/${arg_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endif()
endfunction()

if(TARGET lumivane)
  lumivane_install_program(lumivane APP_ID org.example.lumivane.Lumivane)
endif()
lumivane_install_program(lumivane-cli)
if(TARGET lumivane-webview)
  lumivane_install_program(lumivane-webview APP_ID org.example.lumivane.WebView)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/assets/null.gif ${CMAKE_SOURCE_DIR}/assets/rgb.htm
        DESTINATION ${LUMIVANE_INSTALL_DIR})

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/package-windows.cmake)
  return()
endif()

foreach(_size 16 24 32 48 64)
  set(_icons ${CMAKE_SOURCE_DIR}/packaging/icons/${_size}/lumivane.png)
  if(TARGET lumivane-webview)
    list(APPEND _icons ${CMAKE_SOURCE_DIR}/packaging/icons/${_size}/lumivane-webview.png)
  endif()
  install(FILES ${_icons} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()

# lumivane-cli's bash completion, made from the program's own words; a cross build cannot run
# the program and installs none.
if(NOT CMAKE_CROSSCOMPILING)
  set(LUMIVANE_COMPLETION ${LUMIVANE_PACKAGING_DIR}/bash-completion/lumivane-cli)
  add_custom_command(OUTPUT ${LUMIVANE_COMPLETION}
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:lumivane-cli>
            -DSCRIPT=${CMAKE_SOURCE_DIR}/packaging/lumivane-cli.bash.in
            -DOUTPUT=${LUMIVANE_COMPLETION} -P ${CMAKE_SOURCE_DIR}/cmake/bash-completion.cmake
    DEPENDS lumivane-cli ${CMAKE_SOURCE_DIR}/packaging/lumivane-cli.bash.in
            ${CMAKE_SOURCE_DIR}/cmake/bash-completion.cmake
    VERBATIM)
  add_custom_target(lumivane-cli_completion ALL DEPENDS ${LUMIVANE_COMPLETION})
  install(FILES ${LUMIVANE_COMPLETION}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
