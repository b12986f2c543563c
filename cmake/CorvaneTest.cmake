include(GoogleTest)

# corvane_add_test(<name> [GUI] SOURCES <files...> LIBS <targets...>)
# Every test binary runs with the offscreen platform, and its main points the application,
# temporary and preference folders at a temporary folder, so no test reaches the real ones.
# GUI tests get a QApplication, the others a QCoreApplication.
function(corvane_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} corvane_test_support corvane_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} corvane_test_support corvane_test_main)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
