qor_fuzz(fuzz_icon_file ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_icon_file.cpp qor_platform)
