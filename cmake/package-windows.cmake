# The download for Windows users: cpack in the win32 build makes
# lumivane-<version>-win32.zip, one folder holding the programs, the files they expect beside
# them (null.gif, rgb.htm), the licence and a read-me, as Windows users read text files.
set(_texts ${CMAKE_BINARY_DIR}/packaging/windows)
foreach(_text README LICENSE)
  if(_text STREQUAL README)
    set(_input ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt.in)
  else()
    set(_input ${CMAKE_SOURCE_DIR}/LICENSE)
  endif()
  add_custom_command(OUTPUT ${_texts}/${_text}.txt
    COMMAND ${CMAKE_COMMAND} -DINPUT=${_input} -DOUTPUT=${_texts}/${_text}.txt
            -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/windows-text.cmake
    DEPENDS ${_input} ${CMAKE_SOURCE_DIR}/cmake/windows-text.cmake VERBATIM)
  list(APPEND _outputs ${_texts}/${_text}.txt)
endforeach()
add_custom_target(lumivane_windows_texts ALL DEPENDS ${_outputs})
install(FILES ${_outputs} DESTINATION ${LUMIVANE_INSTALL_DIR})

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME lumivane)
set(CPACK_PACKAGE_VENDOR "Lumivane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(_system win32)
else()
  set(_system win64)
endif()
set(CPACK_PACKAGE_FILE_NAME lumivane-${PROJECT_VERSION}-${_system})
# Unzipped, everything lies in one folder of that name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
