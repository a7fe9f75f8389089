# Rules the stitching library's sources keep, checked by reading them
# (cmake -DSOURCE_DIR=<repository> -P SourceRules.cmake):
# - a failure returns a named StitchResult, never a bare negative number;
# - the layout style decides the neighbour pairs in NeighbourPairs alone: no
#   switch over the style anywhere else;
# - a library header is included by its stage folder, "stitch/<folder>/X.h",
#   in the library and everywhere else.
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()
set(library ${SOURCE_DIR}/src/stitch)

set(bare_return "return[ \t]+-[^;\n]*")
set(style_switch "switch[ \t]*\\([^)\n]*[Ss]tyle[^)\n]*\\)")
set(any_include "#include[ \t]+\"[^\"\n]*\"")
set(folder_include "^#include[ \t]+\"stitch/[a-z]+/[A-Za-z0-9_]+\\.h\"$")
set(flat_include "#include[ \t]+\"stitch/[A-Za-z0-9_]+\\.h\"")

set(faults "")
# Appends "<file>: <rule>: <text>" for every match of the pattern held in
# the variable named pattern_var.
function(report file text pattern_var rule)
  string(REGEX MATCHALL "${${pattern_var}}" hits "${text}")
  foreach(hit IN LISTS hits)
    string(APPEND faults "${file}: ${rule}: ${hit}\n")
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${library}/*.cpp ${library}/*.h)
if(NOT sources)
  message(FATAL_ERROR "no sources under ${library}")
endif()
foreach(file IN LISTS sources)
  file(READ ${SOURCE_DIR}/${file} text)
  report(${file} "${text}" bare_return "a bare negative return (name the StitchResult)")
  if(NOT file MATCHES "/job/NeighbourPairs\\.cpp$")
    report(${file} "${text}" style_switch "a switch over the layout style (walk NeighbourPairs)")
  endif()
  string(REGEX MATCHALL "${any_include}" includes "${text}")
  foreach(include IN LISTS includes)
    if(NOT include MATCHES "${folder_include}")
      string(APPEND faults "${file}: an include not written \"stitch/<folder>/X.h\": ${include}\n")
    endif()
  endforeach()
endforeach()

# Users of the library outside it include its headers the same way.
file(GLOB_RECURSE users RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
foreach(file IN LISTS users)
  file(READ ${SOURCE_DIR}/${file} text)
  report(${file} "${text}" flat_include "a library header included without its folder")
endforeach()

if(faults)
  message(FATAL_ERROR "The stitching library's source rules are broken:\n${faults}")
endif()
