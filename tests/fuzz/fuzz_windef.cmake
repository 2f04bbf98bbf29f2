qor_fuzz(fuzz_windef ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_windef.cpp qor_window)
