# Writes lumivane-cli's bash completion: the script with the program's own words in it, so the
# commands, options and option names are never kept twice.
# Usage: cmake -DCLI=<lumivane-cli> -DSCRIPT=<script.in> -DOUTPUT=<file> -P bash-completion.cmake
execute_process(COMMAND ${CLI} --completion-words
                OUTPUT_VARIABLE WORDS RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR WORDS STREQUAL "")
  message(FATAL_ERROR "${CLI} --completion-words failed (${status})")
endif()
string(STRIP "${WORDS}" WORDS)
configure_file(${SCRIPT} ${OUTPUT} @ONLY)
