# Writes the dynamic list of the program: the symbols the extras library
# takes from it (every undefined symbol of the library that no system or Qt
# library versions). Only these are exported, so the linker still leaves out
# what nobody calls.
#   cmake -DNM=nm -DLIBRARY=libmaltwise-extras.so -DOUTPUT=extras_exports.list -P extras_exports.cmake
execute_process(COMMAND "${NM}" -D --undefined-only "${LIBRARY}"
                OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} could not read ${LIBRARY}")
endif()
string(REGEX MATCHALL "U [^\n@]+\n" symbols "${symbols}")
set(list "{\n")
foreach(line IN LISTS symbols)
  string(REGEX REPLACE "^U ([^\n]+)\n$" "\\1" name "${line}")
  string(APPEND list "  ${name};\n")
endforeach()
string(APPEND list "};\n")
file(WRITE "${OUTPUT}" "${list}")
