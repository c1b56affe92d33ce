# Turns the runtime helpers, one shell function per file in
# src/generator/runtime/, into a C++ table that the generator copies from, and
# a header with one enumerator for each (_copy.sh is Helper::kCopy), so that a
# helper's name that is misspelt fails to compile.
#
# Each file is named after its function (_copy.sh defines _copy) and may name
# the helpers it calls on a line "# needs: _a _b". Run as a script:
#   cmake -DOUTPUT=file.cc -DHEADER=file.h -DINPUT_DIR=folder -P EmbedRuntime.cmake

cmake_minimum_required(VERSION 3.25)

# Writes `text` to `file` unless the file already holds it, so that what
# includes it is not rebuilt for nothing.
function(write_if_changed file text)
  if(EXISTS "${file}")
    file(READ "${file}" old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE "${file}" "${text}")
endfunction()

# The enumerator of a helper's name: _setp is kSetp.
function(enumerator name out)
  string(SUBSTRING "${name}" 1 1 first)
  string(SUBSTRING "${name}" 2 -1 rest)
  string(TOUPPER "${first}" first)
  set(${out} "Helper::k${first}${rest}" PARENT_SCOPE)
endfunction()

file(GLOB scripts "${INPUT_DIR}/*.sh")
set(names "")
foreach(script IN LISTS scripts)
  get_filename_component(name "${script}" NAME_WE)
  if(NOT name MATCHES "^_[a-z][a-z0-9]*$")
    message(FATAL_ERROR "${script}: a helper's name is _ and lower-case letters and digits")
  endif()
  list(APPEND names "${name}")
endforeach()
# The order of the names, byte by byte, is the order of the enumerators.
list(SORT names)

set(enumerators "")
set(body "")
foreach(name IN LISTS names)
  set(script "${INPUT_DIR}/${name}.sh")
  file(READ "${script}" text)
  string(REGEX MATCH "# needs:[^\n]*" needs_line "${text}")
  string(REPLACE "# needs:" "" needs "${needs_line}")
  string(STRIP "${needs}" needs)
  string(REGEX REPLACE " +" ";" needs "${needs}")
  set(need_list "")
  foreach(need IN LISTS needs)
    if(NOT need IN_LIST names)
      message(FATAL_ERROR "${script} needs ${need}, which no helper file defines")
    endif()
    enumerator("${need}" need_enumerator)
    list(APPEND need_list "${need_enumerator}")
  endforeach()
  list(JOIN need_list ", " need_list)
  string(REGEX REPLACE "# needs:[^\n]*\n" "" text "${text}")
  string(FIND "${text}" ")morvex\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${script} holds the raw string delimiter")
  endif()
  enumerator("${name}" name_enumerator)
  string(REPLACE "Helper::" "" bare "${name_enumerator}")
  string(APPEND enumerators "  ${bare},\n")
  string(APPEND body
         "    {${name_enumerator}, \"${name}\", {${need_list}}, R\"morvex(${text})morvex\"},\n")
endforeach()
list(LENGTH names count)

set(header "// Generated from src/generator/runtime/*.sh by cmake/EmbedRuntime.cmake.\n\n")
string(APPEND header "#ifndef MORVEX_GENERATOR_HELPER_NAMES_H_\n")
string(APPEND header "#define MORVEX_GENERATOR_HELPER_NAMES_H_\n\n")
string(APPEND header "#include <cstddef>\n\nnamespace morvex {\n\n")
string(APPEND header "/// The runtime helpers, in the order of their names: Helper::kCopy is _copy,\n")
string(APPEND header "/// defined in src/generator/runtime/_copy.sh.\n")
string(APPEND header "enum class Helper : unsigned char {\n${enumerators}};\n\n")
string(APPEND header "inline constexpr std::size_t kHelperCount = ${count};\n\n")
string(APPEND header "}  // namespace morvex\n\n#endif  // MORVEX_GENERATOR_HELPER_NAMES_H_\n")

set(source "// Generated from src/generator/runtime/*.sh by cmake/EmbedRuntime.cmake.\n\n")
string(APPEND source "#include \"generator/runtime_library.h\"\n\nnamespace morvex {\n\n")
string(APPEND source "const std::vector<RuntimeHelper>& RuntimeHelpers() {\n")
string(APPEND source "  static const std::vector<RuntimeHelper> helpers = {\n${body}  };\n")
string(APPEND source "  return helpers;\n}\n\n}  // namespace morvex\n")

write_if_changed("${HEADER}" "${header}")
write_if_changed("${OUTPUT}" "${source}")
