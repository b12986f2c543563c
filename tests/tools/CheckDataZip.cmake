# cmake -DSEVEN_ZIP=<7z> -DARCHIVE=<Data.zip> -DPASSWORD=<pw> -P CheckDataZip.cmake
# Tests the archive with its password and checks that it lists the seven manuscript folders,
# their files and the four correspondence tables.
if(NOT EXISTS "${ARCHIVE}")
  message(FATAL_ERROR "${ARCHIVE} is missing: build the default target first")
endif()

execute_process(COMMAND "${SEVEN_ZIP}" t "-p${PASSWORD}" "${ARCHIVE}"
  RESULT_VARIABLE tested OUTPUT_VARIABLE test_output ERROR_VARIABLE test_output)
if(NOT tested EQUAL 0)
  message(FATAL_ERROR "7z t failed:\n${test_output}")
endif()

execute_process(COMMAND "${SEVEN_ZIP}" l -slt "${ARCHIVE}"
  RESULT_VARIABLE listed OUTPUT_VARIABLE listing ERROR_VARIABLE listing)
if(NOT listed EQUAL 0)
  message(FATAL_ERROR "7z l failed:\n${listing}")
endif()

set(missing "")
foreach(siglum P T L C V7 V4 O)
  foreach(file LV.txt VL.txt BV.txt BL.txt)
    if(NOT listing MATCHES "Path = Data/Manuscripts/${siglum}/${file}\n")
      list(APPEND missing "Data/Manuscripts/${siglum}/${file}")
    endif()
  endforeach()
  if(NOT siglum STREQUAL "V7" AND NOT listing MATCHES "Path = Data/Manuscripts/${siglum}/Texte.txt\n")
    list(APPEND missing "Data/Manuscripts/${siglum}/Texte.txt")
  endif()
endforeach()
string(REGEX MATCHALL "Path = Data/Correspondances/[^\n/]+\\.txt\n" tables "${listing}")
list(LENGTH tables table_count)
if(NOT table_count EQUAL 4)
  list(APPEND missing "four correspondence tables (found ${table_count})")
endif()
if(missing)
  message(FATAL_ERROR "Data.zip lacks: ${missing}")
endif()
