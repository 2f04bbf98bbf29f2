qor_fuzz(fuzz_envfile ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_envfile.cpp qor_runtime qor_os qor_messages)
