qor_fuzz(fuzz_message_source ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_message_source.cpp qor_msgtablec)
