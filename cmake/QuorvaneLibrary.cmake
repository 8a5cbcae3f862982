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
  set_property(GLOBAL APPEND PROPERTY QUORVANE_CORE_LIBRARIES ${name})
endfunction()

# Collects into out_var every target that target links, directly or through others.
function(quorvane_linked_targets target out_var)
  set(seen "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    if(NOT TARGET ${current} OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(type ${current} TYPE)
    set(links "")
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      # Generator expressions such as $<LINK_ONLY:Qt6::Gui> still name the target.
      string(REGEX REPLACE "^\\$<[A-Z_]+:(.*)>$" "\\1" link "${link}")
      list(APPEND pending ${link})
    endforeach()
  endwhile()
  list(REMOVE_ITEM seen ${target})
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

# Run once every target exists: no core library may reach Qt, however indirectly.
function(quorvane_check_core_links)
  get_property(core GLOBAL PROPERTY QUORVANE_CORE_LIBRARIES)
  foreach(name IN LISTS core)
    quorvane_linked_targets(${name} linked)
    foreach(dep IN LISTS linked)
      if(dep MATCHES "^Qt" OR dep MATCHES "^quorvane_(ui|printing)")
        message(FATAL_ERROR "core library ${name} must not link ${dep} (directly or through another library)")
      endif()
    endforeach()
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
  # A test that waits for a window or a prompt fails after five minutes instead of hanging.
  # Deleted files go to a trash of the build tree, never the user's.
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "TZ=UTC;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data-home" TIMEOUT 300)
endfunction()

# A test executable of the window: GoogleTest with QtTest's event helpers, run on the
# offscreen platform, with one QApplication made by tests/ui/support/qt_test_main.cpp.
function(quorvane_qt_test_executable name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  add_executable(${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/ui/support/qt_test_main.cpp)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} quorvane_test_support Qt6::Widgets Qt6::Test
                        GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    QUORVANE_REALWORLD_DIR="${QUORVANE_REALWORLD_DIR}"
    QUORVANE_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "TZ=UTC;QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data-home"
                       TIMEOUT 300)
endfunction()
