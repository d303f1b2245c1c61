# brevmark_library(<name> [LIBS ...]): a static library of every .cpp/.h in the calling folder.
function(brevmark_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
endfunction()

# brevmark_test(<name> [WIDGETS] [LIBS ...] [RESOURCE_LOCK lock] [PROPERTIES ...]): one GoogleTest
# executable of every .cpp in the calling folder, each test registered with CTest and run under the
# offscreen platform. Tests of model libraries run in a QGuiApplication and must not link widgets;
# WIDGETS gives a test of windows and panels a QApplication. Tests that share a lock (the one real
# printer queue) never run at the same time. PROPERTIES are further CTest properties of every test
# (a TIMEOUT, fixtures).
function(brevmark_test name)
  cmake_parse_arguments(ARG "WIDGETS" "RESOURCE_LOCK" "LIBS;PROPERTIES" ${ARGN})
  set(lock_property "")
  if(ARG_RESOURCE_LOCK)
    set(lock_property RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name} ${sources})
  if(ARG_WIDGETS)
    target_link_libraries(${name} PRIVATE brevmark_testmain_widgets ${ARG_LIBS})
  else()
    target_link_libraries(${name} PRIVATE brevmark_testmain_gui ${ARG_LIBS})
    set_property(GLOBAL APPEND PROPERTY BREVMARK_MODEL_TESTS ${name})
  endif()
  target_compile_definitions(${name} PRIVATE
      BREVMARK_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
      BREVMARK_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      BREVMARK_BINARY_DIR="${PROJECT_BINARY_DIR}")
  # Rows of parameterised tests are named by their name generators; without NO_PRETTY_VALUES
  # ctest would append each row's value as raw bytes.
  gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      NO_PRETTY_VALUES
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${lock_property} ${ARG_PROPERTIES}
      TEST_PREFIX "${name}.")
endfunction()
