qor_fuzz(fuzz_deformat ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_deformat.cpp qor_runtime qor_os qor_messages)
# The entry field's accept check needs only these units of the window runtime.
target_sources(fuzz_deformat PRIVATE
  ${PROJECT_SOURCE_DIR}/window/controls/field_values/accept_check.cpp
  ${PROJECT_SOURCE_DIR}/window/controls/field_values/field_text.cpp
  ${PROJECT_SOURCE_DIR}/window/controls/field_values/typed_number.cpp
  ${PROJECT_SOURCE_DIR}/window/controls/field_values/variable_text.cpp
  ${PROJECT_SOURCE_DIR}/window/controls/field_values/spin_step.cpp)
