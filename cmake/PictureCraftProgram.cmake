# picturecraft_add_program(NAME)
#
# A program folder builds by its layout, so a new source file needs no edit:
#   NAME/core/*.cpp        -> NAME_core, the conversion and geometry (no widgets)
#   NAME/ui/*.cpp          -> NAME_ui, the windows and the workflow
#   NAME/main.cpp          -> the program NAME
#   NAME/tests/core/*.cpp  -> NAME_core_tests
#   NAME/tests/ui/*.cpp    -> NAME_ui_tests, with the scripted platform
function(picturecraft_add_program name)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB core_sources CONFIGURE_DEPENDS ${dir}/core/*.cpp)
  file(GLOB ui_sources CONFIGURE_DEPENDS ${dir}/ui/*.cpp)
  file(GLOB core_test_sources CONFIGURE_DEPENDS ${dir}/tests/core/*.cpp)
  file(GLOB ui_test_sources CONFIGURE_DEPENDS ${dir}/tests/ui/*.cpp)

  add_library(${name}_core STATIC ${core_sources})
  add_library(picturecraft::${name}_core ALIAS ${name}_core)
  target_include_directories(${name}_core PUBLIC ${dir}/core)
  target_link_libraries(${name}_core PUBLIC picturecraft::canvas)

  add_library(${name}_ui STATIC ${ui_sources})
  add_library(picturecraft::${name}_ui ALIAS ${name}_ui)
  target_include_directories(${name}_ui PUBLIC ${dir}/ui)
  target_link_libraries(${name}_ui PUBLIC picturecraft::${name}_core picturecraft::canvasview
    picturecraft::platform picturecraft::sheetout Qt6::Widgets)

  add_executable(${name} ${dir}/main.cpp)
  target_link_libraries(${name} PRIVATE picturecraft::${name}_ui)

  picturecraft_add_test(${name}_core_tests SOURCES ${core_test_sources}
    LIBS picturecraft::${name}_core)
  picturecraft_add_test(${name}_ui_tests SOURCES ${ui_test_sources}
    LIBS picturecraft::${name}_ui picturecraft::platform_testing Qt6::Test)
endfunction()
