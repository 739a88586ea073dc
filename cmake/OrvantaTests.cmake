# One GoogleTest binary per area, registered with CTest as one test.
# Under the cross build CTest runs it through CMAKE_CROSSCOMPILING_EMULATOR (the Wine wrapper).
function(orvanta_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} orvanta_test_main GTest::gtest GTest::gmock)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# The GUI's sources hold Chinese texts in UTF-8 and the program speaks GBK (code page 936).
function(orvanta_gbk_target target)
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK)
endfunction()
