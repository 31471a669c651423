# Fails when a source file includes one from a higher layer.
# Layers, from the bottom: core (and the page functions, with the names of
# the controls they fill), widgets, the tools (makers, editor, guidance), app.
# Run with -DSOURCE_DIR=<checkout>.
function(layer_of path out)
  if(path MATCHES "^core/" OR path MATCHES "^makers/[a-z]+/[a-z_]+_(page|publisher|fields)\\.(h|cpp)$"
     OR path MATCHES "^editor/(editor_page\\.(h|cpp)|tag_palette_controls\\.h)$")
    set(${out} 1 PARENT_SCOPE)
  elseif(path MATCHES "^widgets/")
    set(${out} 2 PARENT_SCOPE)
  elseif(path MATCHES "^(makers|editor|guidance)/")
    set(${out} 3 PARENT_SCOPE)
  elseif(path MATCHES "^app/")
    set(${out} 4 PARENT_SCOPE)
  else()
    set(${out} 0 PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/core/*.h ${SOURCE_DIR}/core/*.cpp
  ${SOURCE_DIR}/widgets/*.h ${SOURCE_DIR}/widgets/*.cpp
  ${SOURCE_DIR}/makers/*.h ${SOURCE_DIR}/makers/*.cpp
  ${SOURCE_DIR}/editor/*.h ${SOURCE_DIR}/editor/*.cpp
  ${SOURCE_DIR}/guidance/*.h ${SOURCE_DIR}/guidance/*.cpp
  ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/app/*.cpp)
set(upward "")
foreach(source ${sources})
  layer_of(${source} own)
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[^\"]+\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
    layer_of(${included} theirs)
    if(theirs GREATER own)
      list(APPEND upward "${source} includes ${included}")
    endif()
  endforeach()
endforeach()
if(upward)
  list(JOIN upward "\n  " lines)
  message(FATAL_ERROR "Includes that run up a layer:\n  ${lines}")
endif()
