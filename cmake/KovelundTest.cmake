find_package(GTest REQUIRED)
include(GoogleTest)

# Under the sanitizers, leaks that system libraries keep for Qt to the process's end are not ours.
set(KOVELUND_TEST_LSAN_PROPS "")
if(KOVELUND_SANITIZE)
  set(KOVELUND_TEST_LSAN "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  set(KOVELUND_TEST_LSAN_PROPS ENVIRONMENT_MODIFICATION "${KOVELUND_TEST_LSAN}")
endif()

# kovelund_add_test(<name> <source> LIBS <targets...>): one test file per unit, run by ctest.
# Every test gets its own log directory, so no test writes beside the build's binaries; its settings
# go beside the log (tests/Testumgebung.cpp).
function(kovelund_add_test name source)
  cmake_parse_arguments(arg "" "" "LIBS" ${ARGN})
  add_executable(${name} ${source} ${PROJECT_SOURCE_DIR}/tests/Testumgebung.cpp)
  target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE KOVELUND_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  kovelund_warnings(${name})
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "KOVELUND_LOG_DIR=${CMAKE_BINARY_DIR}/test-logs/${name}"
               ${KOVELUND_TEST_LSAN_PROPS}
    DISCOVERY_TIMEOUT 30)
endfunction()
