# servato_add_page_test is defined in tests/CMakeLists.txt; page tests that still include this
# file keep working until they drop the include.
