# Page tests share the substitute spooler, the bench and main() of tests/ui, and script the
# communication library of the comm tests.
function(servato_add_page_test NAME)
  servato_add_test(NAME ${NAME}
    SOURCES ${ARGN} ${CMAKE_SOURCE_DIR}/tests/ui/main.cpp
    LIBS test_support Qt6::Test)
  target_include_directories(${NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests/ui)
endfunction()
