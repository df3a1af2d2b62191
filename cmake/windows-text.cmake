# Makes a text file for Windows users: CR LF line ends, in code page 932 (Shift_JIS), which
# Notepad on a Japanese system of the Web View era reads; English stays plain ASCII.
# cmake -DINPUT=... -DOUTPUT=... [-DVERSION=...] -P windows-text.cmake
set(PROJECT_VERSION ${VERSION})
configure_file(${INPUT} ${OUTPUT}.utf8 @ONLY NEWLINE_STYLE CRLF)
find_program(ICONV iconv REQUIRED)
execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${OUTPUT}.utf8
                OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE failed)
file(REMOVE ${OUTPUT}.utf8)
if(failed)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "iconv could not write ${INPUT} in code page 932")
endif()
