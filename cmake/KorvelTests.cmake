# korvel_add_tests(LIBS <targets...>): every *_test.cpp in the calling folder
# becomes one GoogleTest executable, linked with the given targets and a main
# that runs Qt headless.
function(korvel_add_tests)
  cmake_parse_arguments(KT "" "" "LIBS" ${ARGN})
  file(GLOB _tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(src IN LISTS _tests)
    get_filename_component(name ${src} NAME_WE)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(target ${folder}_${name})
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${KT_LIBS} korvel_test_main GTest::gtest GTest::gmock)
    target_compile_definitions(${target} PRIVATE KORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                               KORVEL_BIN_DIR="${KORVEL_APP_DIR}")
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
  endforeach()
endfunction()
