// Typed variable references and the push/pop operations of each kind of variable.
#include "runtime/values/variable_reference.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <new>

#include "runtime/heap/heap.h"
#include "runtime/values/decimal_convert.h"
#include "runtime/values/decimal_stack.h"
#include "runtime/values/decimal_text.h"
#include "runtime/values/stack_error.h"
#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_assign.h"
#include "runtime/values/value_stack_convert.h"

namespace qor::rt {
namespace {

// Integers are stored little-endian in `width` bytes.
struct IntegerLayout {
  int width;
  bool isSigned;
};

IntegerLayout LayoutOf(const VariableReference& v) {
  switch (v.type) {
    case kTypeByte: return {1, false};
    case kTypeShort: return {2, true};
    case kTypeUshort: return {2, false};
    case kTypeUlong: return {4, false};
    case kTypeSizedSigned: return {std::clamp(v.size, 1, 8), true};
    case kTypeSizedUnsigned: return {std::clamp(v.size, 1, 8), false};
    default: return {4, true};  // DATE, TIME, LONG
  }
}

void PushInteger(const VariableReference& v) {
  IntegerLayout layout = LayoutOf(v);
  auto bytes = static_cast<const uint8_t*>(v.address);
  uint64_t raw = 0;
  for (int i = layout.width - 1; i >= 0; --i) raw = (raw << 8) | bytes[i];
  char text[24];
  char* end;
  if (layout.isSigned) {
    int shift = 64 - 8 * layout.width;
    int64_t value = static_cast<int64_t>(raw << shift) >> shift;
    end = std::to_chars(text, text + sizeof text, value).ptr;
  } else {
    end = std::to_chars(text, text + sizeof text, raw).ptr;
  }
  StrPushCopy(text, static_cast<std::size_t>(end - text));
}

void PopInteger(const VariableReference& v) {
  StrPopIntoDecimal();
  uint64_t value = static_cast<uint64_t>(DecimalToInt64(DecPop()));
  auto bytes = static_cast<uint8_t*>(v.address);
  for (int i = 0; i < LayoutOf(v).width; ++i, value >>= 8) bytes[i] = static_cast<uint8_t>(value);
}

bool IsSingle(const VariableReference& v) { return v.size == 4; }

void PushFloating(const VariableReference& v) {
  if (IsSingle(v)) {
    float f;
    std::memcpy(&f, v.address, sizeof f);
    StrPushRealText(f);
  } else {
    double d;
    std::memcpy(&d, v.address, sizeof d);
    StrPushRealText(d);
  }
}

void PopFloating(const VariableReference& v) {
  double d = StrPopIntoReal();
  if (IsSingle(v)) {
    float f = static_cast<float>(d);
    std::memcpy(v.address, &f, sizeof f);
  } else {
    std::memcpy(v.address, &d, sizeof d);
  }
}

int32_t PackedBytes(const VariableReference& v) { return std::max(v.size, 0) / 2 + 1; }

void PushPackedValue(const Decimal& d) {
  char text[kDecimalTextMax];
  StrPushCopy(text, DecimalToText(d, text));
}

void PushDecimal(const VariableReference& v) {
  PushPackedValue(DecimalFromPacked(v.address, PackedBytes(v), v.places));
}

void PopDecimal(const VariableReference& v) {
  StrPopIntoDecimal();
  DecimalToPacked(DecPop(), v.address, PackedBytes(v), v.places);
}

void PushPdecimal(const VariableReference& v) {
  PushPackedValue(DecimalFromPackedTrailingSign(v.address, PackedBytes(v), v.places));
}

void PopPdecimal(const VariableReference& v) {
  StrPopIntoDecimal();
  DecimalToPackedTrailingSign(DecPop(), v.address, PackedBytes(v), v.places);
}

void PushString(const VariableReference& v) { StrPushBorrowed(v.address, std::max(v.size, 0)); }
void PopString(const VariableReference& v) { StrPopIntoString(v.address, v.size); }

void PushCString(const VariableReference& v) {
  auto text = static_cast<const char*>(v.address);
  std::size_t room = static_cast<std::size_t>(std::max(v.size, 0));
  const void* end = std::memchr(text, 0, room);
  StrPushBorrowed(text, static_cast<int32_t>(end ? static_cast<const char*>(end) - text : room));
}
void PopCString(const VariableReference& v) { StrPopIntoCString(v.address, v.size); }

constexpr VariableOperations kIntegerOperations{PushInteger, PopInteger};
constexpr VariableOperations kFloatingOperations{PushFloating, PopFloating};
constexpr VariableOperations kDecimalOperations{PushDecimal, PopDecimal};
constexpr VariableOperations kPdecimalOperations{PushPdecimal, PopPdecimal};
constexpr VariableOperations kStringOperations{PushString, PopString};
constexpr VariableOperations kCStringOperations{PushCString, PopCString};

const VariableOperations* OperationsFor(int32_t type) {
  switch (type) {
    case kTypeByte: case kTypeShort: case kTypeUshort: case kTypeDate: case kTypeTime:
    case kTypeLong: case kTypeUlong: case kTypeSizedSigned: case kTypeSizedUnsigned:
      return &kIntegerOperations;
    case kTypeSreal: case kTypeReal: return &kFloatingOperations;
    case kTypeDecimal: return &kDecimalOperations;
    case kTypePdecimal: return &kPdecimalOperations;
    case kTypeString: return &kStringOperations;
    case kTypeCString: return &kCStringOperations;
    default: return nullptr;
  }
}

}  // namespace

VariableReference* CreateVariableReference(void* address, int32_t type, int32_t size, int32_t places) {
  const VariableOperations* operations = OperationsFor(type);
  if (!operations) RaiseStackError();
  void* block = HeapAllocate(sizeof(VariableReference));
  if (!block) return nullptr;
  return new (block) VariableReference{operations, address, type, size, places};
}

void PushVariable(const VariableReference* variable) {
  if (variable) variable->operations->pushValue(*variable);
}

void PopIntoVariable(const VariableReference* variable) {
  if (variable) variable->operations->popInto(*variable);
}

void StoreAndRelease(VariableReference* variable) {
  if (!variable) {
    StrDiscard();  // nowhere to store it: keep the stack balanced
    return;
  }
  PopIntoVariable(variable);
  ReleaseVariableReference(variable);
}

void ReleaseVariableReference(VariableReference* variable) { HeapFree(variable); }

}  // namespace qor::rt
