# add_vbs_tests(<folder> PREFIX <name> [ENVIRONMENT VAR=value ...])
# Adds one CTest test per .vbs file in <folder>: the file runs through
# cscript and its "' expect:" comments are checked (see README.md).
set(VBS_TEST_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run_vbs_test.py)
find_package(Python3 COMPONENTS Interpreter REQUIRED)

function(add_vbs_tests folder)
  cmake_parse_arguments(VT "" "PREFIX" "ENVIRONMENT" ${ARGN})
  if(NOT VT_PREFIX)
    set(VT_PREFIX vbs)
  endif()
  file(GLOB _vbs_files CONFIGURE_DEPENDS ${folder}/*.vbs)
  list(SORT _vbs_files)
  foreach(_file IN LISTS _vbs_files)
    get_filename_component(_name ${_file} NAME_WE)
    add_test(NAME ${VT_PREFIX}.${_name}
             COMMAND ${Python3_EXECUTABLE} ${VBS_TEST_RUNNER} $<TARGET_FILE:cscript> ${_file})
    if(VT_ENVIRONMENT)
      set_tests_properties(${VT_PREFIX}.${_name} PROPERTIES ENVIRONMENT "${VT_ENVIRONMENT}")
    endif()
  endforeach()
endfunction()
