qor_fuzz(fuzz_message_table ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_message_table.cpp qor_message_table)
