# Writes the table of windows from the VM_WINDOW(formName, Class) line each
# window file ends with: adding a window is adding its file.
#   cmake -DSOURCES=LISTFILE -DOUTPUT=windows.cpp -P list_windows.cmake
# LISTFILE names the calculator sources, one a line; the table follows
# their order. The output is rewritten only when the table changes.
cmake_minimum_required(VERSION 3.22)
file(STRINGS "${SOURCES}" sources ENCODING UTF-8)
list(SORT sources)
set(names "")
set(declarations "")
set(entries "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" lines ENCODING UTF-8 REGEX "^VM_WINDOW\\(")
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "^VM_WINDOW\\(([^, \t)]+)[ \t]*,")
      message(FATAL_ERROR "${source}: no form name in \"${line}\"")
    endif()
    set(name "${CMAKE_MATCH_1}")
    if(name IN_LIST names)
      message(FATAL_ERROR "${source}: the window ${name} is declared a second time")
    endif()
    list(APPEND names "${name}")
    string(APPEND declarations "std::unique_ptr<::vm::Form> ${name}();\n")
    string(APPEND entries "      {\"${name}\", &windows::${name}},\n")
  endforeach()
endforeach()
if(NOT names)
  message(FATAL_ERROR "no VM_WINDOW line in the calculator sources")
endif()

set(text "// Written by the build from the windows' VM_WINDOW lines: do not edit.
#include <memory>
#include <vector>

#include \"framework/registry.h\"

namespace vm::windows {
${declarations}}  // namespace vm::windows

namespace vm {

std::vector<CalculatorEntry> declaredWindows() {
  return {
${entries}  };
}

}  // namespace vm
")
set(old "")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUTPUT}" "${text}")
endif()
