# picturecraft_add_test(NAME SOURCES file... LIBS target...)
#
# One GoogleTest program per library or program. Every test runs headless
# (QT_QPA_PLATFORM=offscreen) and finds the shared test pictures through
# PICTURECRAFT_TEST_DATA.
function(picturecraft_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} picturecraft::testsupport GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    PICTURECRAFT_TEST_DATA="${PROJECT_SOURCE_DIR}/testdata")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1"
    TIMEOUT 600)
endfunction()
