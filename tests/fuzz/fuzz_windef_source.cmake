qor_fuzz(fuzz_windef_source ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_windef_source.cpp qor_windefc)
