# Read by cpack (CPACK_PROJECT_CONFIG_FILE). The package's dependencies come
# from the libraries its programs link, as dpkg-shlibdeps finds them, except
# that what only the live preview plugin links (its web engine) becomes a
# recommendation: without it the program runs and the preview says what is
# missing. QUILLMINT_DEB_REQUIRED and QUILLMINT_DEB_OPTIONAL name the files.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

function(quillmint_shlib_depends out)
  set(work ${CMAKE_CURRENT_LIST_DIR}/deb-shlibdeps)
  file(REMOVE_RECURSE ${work})
  file(MAKE_DIRECTORY ${work}/debian)
  file(WRITE ${work}/debian/control "")
  execute_process(COMMAND dpkg-shlibdeps -O ${ARGN}
    WORKING_DIRECTORY ${work}
    OUTPUT_VARIABLE found ERROR_VARIABLE problem RESULT_VARIABLE result
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(REMOVE_RECURSE ${work})
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-shlibdeps: ${problem}")
  endif()
  string(REGEX REPLACE "^.*Depends=" "" found "${found}")
  string(REPLACE ", " ";" found "${found}")
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

quillmint_shlib_depends(required ${QUILLMINT_DEB_REQUIRED})
set(required_names "")
foreach(entry IN LISTS required)
  string(REGEX MATCH "^[^ ]+" name "${entry}")
  list(APPEND required_names ${name})
endforeach()
list(JOIN required ", " required_text)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${required_text}")

if(QUILLMINT_DEB_OPTIONAL)
  quillmint_shlib_depends(optional ${QUILLMINT_DEB_OPTIONAL})
  set(recommended "")
  foreach(entry IN LISTS optional)
    string(REGEX MATCH "^[^ ]+" name "${entry}")
    list(FIND required_names "${name}" found)
    if(found EQUAL -1)
      list(APPEND recommended "${entry}")
    endif()
  endforeach()
  list(JOIN recommended ", " recommended_text)
  if(recommended_text)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${CPACK_DEBIAN_PACKAGE_RECOMMENDS}, ${recommended_text}")
  endif()
endif()
