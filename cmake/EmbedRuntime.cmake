# Turns the runtime helpers, one shell function per file in
# src/generator/runtime/, into a C++ table that the generator copies from.
#
# Each file is named after its function (_copy.sh defines _copy) and may name
# the helpers it calls on a line "# needs: _a _b". Run as a script:
#   cmake -DOUTPUT=file.cc -DINPUT_DIR=folder -P EmbedRuntime.cmake
file(GLOB scripts "${INPUT_DIR}/*.sh")
list(SORT scripts)
set(body "")
foreach(script IN LISTS scripts)
  get_filename_component(name "${script}" NAME_WE)
  file(READ "${script}" text)
  string(REGEX MATCH "# needs:[^\n]*" needs_line "${text}")
  string(REPLACE "# needs:" "" needs "${needs_line}")
  string(STRIP "${needs}" needs)
  string(REGEX REPLACE "# needs:[^\n]*\n" "" text "${text}")
  string(FIND "${text}" ")morvex\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${script} holds the raw string delimiter")
  endif()
  string(APPEND body "    {\"${name}\", \"${needs}\", R\"morvex(${text})morvex\"},\n")
endforeach()
set(source "// Generated from src/generator/runtime/*.sh by cmake/EmbedRuntime.cmake.\n\n")
string(APPEND source "#include \"generator/runtime_library.h\"\n\nnamespace morvex {\n\n")
string(APPEND source "const std::vector<RuntimeHelper>& RuntimeHelpers() {\n")
string(APPEND source "  static const std::vector<RuntimeHelper> helpers = {\n${body}  };\n")
string(APPEND source "  return helpers;\n}\n\n}  // namespace morvex\n")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL source)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${source}")
