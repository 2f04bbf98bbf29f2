#pragma once
// Typed variable references: a small heap object describing one variable of
// generated code, so that an entry point can push its value on the value stack or
// store a popped value into it without knowing its type.
//
// Type codes and the two sizes given at creation:
//   1 BYTE, 2 SHORT (16-bit), 3 USHORT (16-bit), 4 DATE and 5 TIME (32-bit, stored
//   like LONG), 6 LONG, 7 ULONG;
//   8 and 9 floating numbers of `size` bytes (4 or 8);
//   10 DECIMAL and 11 PDECIMAL with `size` digits and `places` decimal places
//   (size / 2 + 1 bytes);
//   13 and 14 signed and unsigned integers of `size` bytes (1 to 8);
//   18 STRING of `size` bytes, blank padded; 22 CSTRING of `size` bytes including
//   its terminator.
// Any other code raises run-time error 501 "String Stack Error".
#include <cstdint>

namespace qor::rt {

enum VariableType : int32_t {
  kTypeByte = 1,
  kTypeShort = 2,
  kTypeUshort = 3,
  kTypeDate = 4,
  kTypeTime = 5,
  kTypeLong = 6,
  kTypeUlong = 7,
  kTypeSreal = 8,
  kTypeReal = 9,
  kTypeDecimal = 10,
  kTypePdecimal = 11,
  kTypeSizedSigned = 13,
  kTypeSizedUnsigned = 14,
  kTypeString = 18,
  kTypeCString = 22,
};

struct VariableReference;

struct VariableOperations {
  void (*pushValue)(const VariableReference& variable);  // push my value on the value stack
  void (*popInto)(const VariableReference& variable);    // pop the value stack into me
};

struct VariableReference {
  const VariableOperations* operations;
  void* address;
  int32_t type;
  int32_t size;
  int32_t places;
};

// Null when the heap has no room for the reference.
VariableReference* CreateVariableReference(void* address, int32_t type, int32_t size, int32_t places);
void PushVariable(const VariableReference* variable);
void PopIntoVariable(const VariableReference* variable);
// Pops the value stack into the variable, then destroys the reference.
void StoreAndRelease(VariableReference* variable);
void ReleaseVariableReference(VariableReference* variable);

}  // namespace qor::rt
