#pragma once
// Expression bindings: program variables made known by name at run time (BIND),
// grouped in nested scopes (PUSHSCOPE, POPSCOPE). Each scope has its own name tree,
// created by the scope's first BIND together with the root marker "MMMMMMM", the 46
// built-in functions and the 4 logical operators. Names compare without regard to
// case, through the case tables and the collation (digraphs included); names that
// collate equal but differ once upper-cased are different names.
//
// Every record comes from the checked heap. A bound variable's reference belongs to
// the bindings from BIND on and is released when its record goes. An allocation
// failure never stops the program: the binding is left out and the reference released.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "runtime/values/variable_reference.h"

namespace qor::rt {

inline constexpr size_t kBindingNameLimit = 99;

// Kinds of named record.
inline constexpr uint8_t kNameRootMarker = 0;
inline constexpr uint8_t kNameVariable = 1;
inline constexpr uint8_t kNameOperator = 4;
inline constexpr uint8_t kNameFunction = 6;

// Value classes.
inline constexpr uint8_t kClassInteger = 1;
inline constexpr uint8_t kClassReal = 2;
inline constexpr uint8_t kClassString = 4;

inline constexpr uint8_t kVariableArguments = 25;  // a function taking a list

// BIND: pops the name from the value stack and binds it to the variable in the
// current scope; the bindings take over the reference (a null reference binds nothing).
// The name is cut to 99 characters, then after its run of letters, digits, "_" and ":"
// (one "#", "$" or '"' right after the run stays). An empty name binds nothing. Binding
// a name the scope already holds replaces that binding in place and releases the old
// reference.
void Bind(VariableReference* variable);
// The same with the name given directly.
void BindName(std::string_view name, VariableReference* variable);
// The part of a text BIND keeps as the name.
std::string_view CutBindingName(std::string_view text);
// The value class of a variable of that type code: up to 6 integer, 7 to 17 real,
// 18 and above string.
uint8_t ValueClassOfType(int32_t type);

// PUSHSCOPE: the current bindings are put aside in a new scope; the scope starts
// with no names. A scope pushed with argument 0 gets flag 1: lookups made in it see
// through to the enclosing scope.
void PushScope(int32_t argument);
// POPSCOPE: frees the scope's names and brings back those put aside. Without a
// pushed scope: run-time error 802 "Mismatched POPSCOPE", which ends the program.
void PopScope();
// Frees every name and unwinds every scope still pushed; used at shutdown.
void ClearBindings();

// What a name is bound to. `kind` 0 means not found (the root marker is never
// returned).
struct BoundName {
  uint8_t kind = 0;
  uint8_t valueClass = 0;
  const VariableReference* variable = nullptr;  // kNameVariable
  uint8_t code = 0;                             // function or operator code
  uint8_t arguments = 0;                        // kNameFunction
  explicit operator bool() const { return kind != 0; }
};

// Searches the current scope, then each enclosing scope for as long as the scope
// left behind was pushed with flag 1. Built-in names are found even where no scope
// has a tree.
BoundName LookUpName(std::string_view name);

// The bindings of one language thread, saved at a switch between threads.
struct SavedBindings {
  void* tree = nullptr;
  void* scope = nullptr;
  uint32_t scopesWithoutRecord = 0;
};
// Hands over the current bindings and leaves none current.
SavedBindings TakeBindings();
// Makes saved bindings current; the bindings current before must have been taken.
void PutBindings(const SavedBindings& saved);

// For tests and for hunting leaks.
struct BindingCensus {
  size_t records = 0;  // in the current tree, marker and built-ins included
  int height = 0;      // of the current tree; 0 without one
  size_t scopes = 0;   // scopes pushed
};
BindingCensus InspectBindings();

}  // namespace qor::rt
