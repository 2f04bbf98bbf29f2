qor_fuzz(fuzz_settings_text ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_settings_text.cpp qor_settings)
