# vornia_split_sources(<plain_var> <qt_var> [EXCLUDE names...])
#
# The .cpp files of the current source folder, split by the _qt rule: those
# ending in _qt.cpp into <qt_var>, the others into <plain_var>. Files named in
# EXCLUDE go into neither.
function(vornia_split_sources plain_var qt_var)
  cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
  file(GLOB all_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  set(plain)
  set(qt)
  foreach(src IN LISTS all_sources)
    get_filename_component(base "${src}" NAME)
    if(base IN_LIST ARG_EXCLUDE)
      continue()
    elseif(base MATCHES "_qt\\.cpp$")
      list(APPEND qt "${src}")
    else()
      list(APPEND plain "${src}")
    endif()
  endforeach()
  set(${plain_var} "${plain}" PARENT_SCOPE)
  set(${qt_var} "${qt}" PARENT_SCOPE)
endfunction()

# vornia_layer(<name> [DEPS plain libs...] [QT_DEPS libs...])
#
# One folder, two static libraries: vornia_<name> from the plain C++ sources
# (no Qt, never linked against it) and vornia_<name>_qt from the *_qt.cpp
# adapters. A folder without sources of a kind gets an interface library, so
# that the other folders can link it either way. The web build makes the
# plain library only.
function(vornia_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS;QT_DEPS" ${ARGN})
  vornia_split_sources(plain_sources qt_sources EXCLUDE main.cpp)

  if(plain_sources)
    add_library(vornia_${name} STATIC ${plain_sources})
    target_include_directories(vornia_${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
    target_link_libraries(vornia_${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(vornia_${name} INTERFACE)
    target_include_directories(vornia_${name} INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
    target_link_libraries(vornia_${name} INTERFACE ${ARG_DEPS})
  endif()

  if(VORNIA_WEB)
    return()
  elseif(qt_sources)
    add_library(vornia_${name}_qt STATIC ${qt_sources})
    set_target_properties(vornia_${name}_qt PROPERTIES AUTOMOC ON)
    target_link_libraries(vornia_${name}_qt PUBLIC vornia_${name} ${ARG_QT_DEPS}
      Qt6::Core Qt6::Gui Qt6::Widgets)
  else()
    add_library(vornia_${name}_qt INTERFACE)
    target_link_libraries(vornia_${name}_qt INTERFACE vornia_${name} ${ARG_QT_DEPS})
  endif()
endfunction()

# vornia_test(<folder>): tests/<folder>/*.cpp become test_<folder> (plain) and
# tests/<folder>/*_qt.cpp become test_<folder>_qt, run offscreen with the
# shared main in tests/main_qt.cpp (GUI_ONLY: a QGuiApplication rather than a
# QApplication). Test files are named test_<name>.cpp. EXCLUDE names gtest
# tests (Suite.Name, wildcards allowed) that are not registered as they are
# found, because the folder registers them itself, under other conditions.
function(vornia_test folder)
  cmake_parse_arguments(ARG "GUI_ONLY" "" "LIBS;QT_LIBS;EXCLUDE" ${ARGN})
  vornia_split_sources(plain_sources qt_sources)
  set(filter "*")
  if(ARG_EXCLUDE)
    list(JOIN ARG_EXCLUDE ":" excluded)
    set(filter "-${excluded}")
  endif()
  if(plain_sources)
    add_executable(test_${folder} ${plain_sources})
    target_link_libraries(test_${folder} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(test_${folder} PRIVATE
      VORNIA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(test_${folder} DISCOVERY_TIMEOUT 60 TEST_FILTER "${filter}"
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
  if(qt_sources)
    add_executable(test_${folder}_qt ${qt_sources} ${PROJECT_SOURCE_DIR}/tests/main_qt.cpp)
    set_target_properties(test_${folder}_qt PROPERTIES AUTOMOC ON)
    target_link_libraries(test_${folder}_qt PRIVATE ${ARG_QT_LIBS} Qt6::Test
      GTest::gtest GTest::gmock)
    target_compile_definitions(test_${folder}_qt PRIVATE
      VORNIA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    if(ARG_GUI_ONLY)
      target_compile_definitions(test_${folder}_qt PRIVATE VORNIA_TEST_GUI_ONLY)
    endif()
    gtest_discover_tests(test_${folder}_qt DISCOVERY_TIMEOUT 60 TEST_FILTER "${filter}"
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
