qor_fuzz(fuzz_deformat ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_deformat.cpp qor_runtime qor_os qor_messages)
