#pragma once
// The language's error functions: ERRORCODE(), ERROR(), FILEERRORCODE(), FILEERROR()
// and ERRORFILE(), reading the error state. The texts are pushed on the value stack
// as owned copies with their trailing blanks removed.
#include <cstdint>

namespace qor::rt {

int32_t LanguageErrorCode();      // ERRORCODE()
void PushLanguageError();         // ERROR()
int32_t LanguageFileErrorCode();  // FILEERRORCODE()
void PushLanguageFileError();     // FILEERROR()
void PushLanguageErrorFile();     // ERRORFILE()

}  // namespace qor::rt
