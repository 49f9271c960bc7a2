# Helpers for the kinds of targets of this tree.

# orvel_add_test(NAME name SOURCES ... [LIBS ...] [LABELS ...] [FIXTURES ...])
# One GoogleTest executable registered as one ctest case; GUI code runs offscreen. A case that
# hangs (a modal window nobody closes) is stopped after five minutes.
function(orvel_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS;FIXTURES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE GTest::gtest GTest::gtest_main ${T_LIBS})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVEL_PG_INFO=${ORVEL_PG_INFO_FILE};ORVEL_SETTINGS_DIR=${CMAKE_BINARY_DIR}/tests/settings/${T_NAME}"
    LABELS "${T_LABELS}"
    TIMEOUT 300)
  if(T_FIXTURES)
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED "${T_FIXTURES}")
  endif()
endfunction()

# orvel_add_benchmark(NAME name SOURCES ... [LIBS ...])
function(orvel_add_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE benchmark::benchmark ${B_LIBS})
  set_target_properties(${B_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# orvel_component_metadata(TARGET JSON): builds the component description JSON (TypeLib, Version,
# Classes) into a library as Qt plugin metadata, which QPluginLoader::metaData() reads without
# running the library's code. The library itself defines DllGetClassObject (component/ComponentEntry.h).
function(orvel_component_metadata TARGET JSON)
  get_filename_component(ORVEL_COMPONENT_JSON ${JSON} ABSOLUTE)
  string(MAKE_C_IDENTIFIER ${TARGET} ORVEL_COMPONENT_ID)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${ORVEL_COMPONENT_ID}_ComponentMetaData.cpp)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ComponentMetaData.cpp.in ${source} @ONLY)
  target_sources(${TARGET} PRIVATE ${source})
endfunction()

# orvel_component_library(NAME name SOURCES ... JSON file [LIBS ...] [OUTPUT_DIRECTORY dir])
# A component library: a shared library without "lib" prefix carrying its component metadata.
function(orvel_component_library)
  cmake_parse_arguments(C "" "NAME;JSON;OUTPUT_DIRECTORY" "SOURCES;LIBS" ${ARGN})
  add_library(${C_NAME} SHARED ${C_SOURCES})
  target_link_libraries(${C_NAME} PRIVATE Qt6::Core ${C_LIBS})
  set_target_properties(${C_NAME} PROPERTIES PREFIX "")
  if(C_OUTPUT_DIRECTORY)
    set_target_properties(${C_NAME} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${C_OUTPUT_DIRECTORY})
  endif()
  orvel_component_metadata(${C_NAME} ${C_JSON})
endfunction()
