qor_fuzz(fuzz_picture ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_picture.cpp qor_runtime qor_os qor_messages)
