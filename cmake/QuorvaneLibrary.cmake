# One static library per layer. Every .cpp of the layer's folder (and of the
# subfolders named in SUBDIRS) belongs to it, so adding a unit needs no edit here.
# Core libraries name only core libraries in DEPENDS: none of them may link Qt.
function(quorvane_core_library name)
  cmake_parse_arguments(ARG "" "" "SUBDIRS;DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(sub IN LISTS ARG_SUBDIRS)
    file(GLOB more CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp)
    list(APPEND sources ${more})
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  foreach(dep IN LISTS ARG_DEPENDS)
    if(dep MATCHES "^Qt")
      message(FATAL_ERROR "core library ${name} must not link ${dep}")
    endif()
  endforeach()
endfunction()

# One test executable per layer: every *_test.cpp of the folder.
function(quorvane_test_executable name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} quorvane_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    QUORVANE_REALWORLD_DIR="${QUORVANE_REALWORLD_DIR}"
    QUORVANE_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "TZ=UTC")
endfunction()
