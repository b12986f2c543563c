# cmake -DCLANG_FORMAT=<program> -DCLANG_FORMAT_MAJOR=<version> -DSOURCE_DIR=<top folder>
#   -P CheckFormat.cmake
# Fails, naming the files, when a C++ source of the project strays from .clang-format. Another
# major version of clang-format lays the same sources out differently, so it fails too, saying
# why, when the program is missing or of another major version.
if(NOT CLANG_FORMAT OR NOT EXISTS "${CLANG_FORMAT}")
  message(FATAL_ERROR "clang-format ${CLANG_FORMAT_MAJOR} not found (looked for "
    "clang-format-${CLANG_FORMAT_MAJOR}, then clang-format): scripts/ensure-packages.sh installs "
    "it; then configure the build again, or give its path with -DCLANG_FORMAT=<program>.")
endif()
execute_process(
  COMMAND ${CLANG_FORMAT} --version
  RESULT_VARIABLE status
  OUTPUT_VARIABLE version
  ERROR_QUIET)
string(REGEX MATCH "version ([0-9]+)\\." matched "${version}")
if(NOT status EQUAL 0 OR NOT CMAKE_MATCH_1 STREQUAL CLANG_FORMAT_MAJOR)
  string(STRIP "${version}" version)
  message(FATAL_ERROR "${CLANG_FORMAT} is not clang-format ${CLANG_FORMAT_MAJOR} "
    "(it says: \"${version}\"): the check needs major version ${CLANG_FORMAT_MAJOR}, which "
    "scripts/ensure-packages.sh installs as clang-format-${CLANG_FORMAT_MAJOR}.")
endif()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
  ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
  ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h
  ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
execute_process(
  COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR}
  RESULT_VARIABLE status
  ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Not formatted as .clang-format asks (clang-format -i fixes it):\n${report}")
endif()
