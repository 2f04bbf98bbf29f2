#pragma once
// Name records and the balanced tree of one scope. A record is one heap block: the
// links, the binding, then the name as first bound, its upper-case bytes and its
// collation weights. The tree keeps itself balanced (AVL), so names bound in sorted
// order still give a tree of logarithmic height.
#include <cstdint>
#include <string_view>

#include "runtime/bindings/detail/name_key.h"
#include "runtime/values/variable_reference.h"

namespace qor::rt::bindings {

struct NameRecord {
  NameRecord* left;
  NameRecord* right;
  VariableReference* variable;  // owned; kNameVariable only
  uint8_t kind;
  uint8_t valueClass;
  uint8_t code;
  uint8_t arguments;
  uint8_t height;  // of the subtree rooted here; a leaf is 1
  uint8_t length;
  uint8_t weightCount;

  std::string_view Name() const;
  KeyView Key() const;
};

// Null when the heap has no room. The record is a leaf of kind 0 with no variable.
NameRecord* NewNameRecord(std::string_view name, const NameKey& key);
// Frees the record and the variable reference it holds.
void FreeNameRecord(NameRecord* record);
// Replaces the record's binding by the given one, releasing a reference it held.
void TakeOverBinding(NameRecord& record, uint8_t kind, uint8_t valueClass, VariableReference* variable,
                     uint8_t code, uint8_t arguments);

NameRecord* FindName(NameRecord* root, const KeyView& key, uint8_t blank);
// Attaches a record whose name the tree does not hold; returns the new root.
NameRecord* InsertName(NameRecord* root, NameRecord* record, uint8_t blank);
// Post-order: left subtree, right subtree, then the record.
void FreeTree(NameRecord* root);

size_t CountRecords(const NameRecord* root);
int TreeHeight(const NameRecord* root);

}  // namespace qor::rt::bindings
