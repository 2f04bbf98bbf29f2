qor_fuzz(fuzz_descriptor ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_descriptor.cpp qor_descriptors)
