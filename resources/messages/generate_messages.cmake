# Turns the readable message table into C++ source.
#   cmake -DINPUT=error_messages.txt -DOUTPUT=error_messages_table.cpp -P generate_messages.cmake
# Each line: a code (1-65535) and the text in double quotes. The text runs from the
# first quote to the last one, so blanks at either end are kept.
cmake_minimum_required(VERSION 3.25)
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "generate_messages.cmake needs -DINPUT and -DOUTPUT")
endif()

file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(entries "")
set(seen_codes "")
set(line_number 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line MATCHES "^[ \t]*(#.*)?$")
    continue()
  endif()
  if(NOT line MATCHES "^[ \t]*([0-9]+)[ \t]+\"(.*)\"[ \t]*$")
    message(FATAL_ERROR "${INPUT}:${line_number}: expected CODE \"TEXT\", got: ${line}")
  endif()
  set(code "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")
  if(code LESS 1 OR code GREATER 65535)
    message(FATAL_ERROR "${INPUT}:${line_number}: code ${code} is outside 1-65535")
  endif()
  if(code IN_LIST seen_codes)
    message(FATAL_ERROR "${INPUT}:${line_number}: code ${code} appears twice")
  endif()
  list(APPEND seen_codes "${code}")
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(APPEND entries "    {${code}, \"${text}\"},\n")
endforeach()

file(WRITE "${OUTPUT}.tmp" "// Generated from error_messages.txt at build time; edit that file instead.
#include \"resources/messages/error_messages.h\"

#include <cstdint>
#include <span>
#include <string_view>

namespace qor::res {
namespace {

struct MessageEntry {
  uint16_t code;
  std::string_view text;
};

constexpr MessageEntry kErrorMessages[] = {
${entries}};

}  // namespace

void RegisterErrorMessages(os::ModuleHandle module) {
  for (const MessageEntry& entry : kErrorMessages) {
    std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(entry.text.data()),
                                  entry.text.size());
    os::AddResource(module, os::kResourceString, os::ResourceId(entry.code), data);
  }
}

}  // namespace qor::res
")
# Only touch the output when it changed, so that nothing rebuilds needlessly.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
