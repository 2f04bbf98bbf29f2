#pragma once
// Shared pieces of the picture compilers (one per picture family).
#include <string_view>
#include <vector>

#include "runtime/pictures/picture.h"

namespace qor::rt {

using CellList = std::vector<PictureCell>;

// Separator and fill characters as written: "_" is a blank, the grave accent a
// comma, "v" a zero; every other character stands for itself.
char MappedPictureChar(char written);

// Reads an unsigned decimal number at `pos`; false when there is no digit. Values
// beyond 9999 saturate so that a long run of digits stays harmless.
bool ReadPictureNumber(std::string_view text, size_t& pos, int& value);

// Stores cells and width into the picture; false (picture left invalid) when they
// do not fit.
bool StoreCells(CompiledPicture& picture, const CellList& cells, int width);

bool CompileNumeric(std::string_view body, CompiledPicture& picture);
bool CompileScientific(std::string_view body, CompiledPicture& picture);
bool CompileDate(std::string_view body, CompiledPicture& picture);
bool CompileTime(std::string_view body, CompiledPicture& picture);

// The cells of the locale's pictures: date 17 (short) and 18 (long), time 7 and 8.
CellList LocaleDateCells(int number);
CellList LocaleTimeCells(int number);

// Output width of a list of cells (an implied point takes no position).
int CellWidth(const CellList& cells);

}  // namespace qor::rt
