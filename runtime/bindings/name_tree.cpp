#include "runtime/bindings/detail/name_tree.h"

#include <algorithm>
#include <cstring>

#include "runtime/heap/heap.h"

namespace qor::rt::bindings {
namespace {

uint8_t* Tail(const NameRecord* record) {
  return reinterpret_cast<uint8_t*>(const_cast<NameRecord*>(record) + 1);
}

int HeightOf(const NameRecord* node) { return node ? node->height : 0; }

void Refresh(NameRecord* node) {
  node->height = static_cast<uint8_t>(1 + std::max(HeightOf(node->left), HeightOf(node->right)));
}

NameRecord* RotateRight(NameRecord* node) {
  NameRecord* pivot = node->left;
  node->left = pivot->right;
  pivot->right = node;
  Refresh(node);
  Refresh(pivot);
  return pivot;
}

NameRecord* RotateLeft(NameRecord* node) {
  NameRecord* pivot = node->right;
  node->right = pivot->left;
  pivot->left = node;
  Refresh(node);
  Refresh(pivot);
  return pivot;
}

NameRecord* Rebalance(NameRecord* node) {
  Refresh(node);
  int balance = HeightOf(node->left) - HeightOf(node->right);
  if (balance > 1) {
    if (HeightOf(node->left->left) < HeightOf(node->left->right)) node->left = RotateLeft(node->left);
    return RotateRight(node);
  }
  if (balance < -1) {
    if (HeightOf(node->right->right) < HeightOf(node->right->left)) node->right = RotateRight(node->right);
    return RotateLeft(node);
  }
  return node;
}

}  // namespace

std::string_view NameRecord::Name() const {
  return {reinterpret_cast<const char*>(Tail(this)), length};
}

KeyView NameRecord::Key() const {
  const uint8_t* tail = Tail(this);
  return {tail + length, tail + 2 * length, length, weightCount};
}

NameRecord* NewNameRecord(std::string_view name, const NameKey& key) {
  size_t bytes = sizeof(NameRecord) + 2 * name.size() + key.weightCount;
  auto* record = static_cast<NameRecord*>(HeapAllocate(bytes));
  if (!record) return nullptr;
  *record = NameRecord{nullptr, nullptr, nullptr, kNameRootMarker, 0, 0, 0, 1,
                       static_cast<uint8_t>(name.size()), key.weightCount};
  uint8_t* tail = Tail(record);
  std::memcpy(tail, name.data(), name.size());
  std::memcpy(tail + name.size(), key.upper, name.size());
  std::memcpy(tail + 2 * name.size(), key.weights, key.weightCount);
  return record;
}

void FreeNameRecord(NameRecord* record) {
  if (record->kind == kNameVariable) ReleaseVariableReference(record->variable);
  HeapFree(record);
}

void TakeOverBinding(NameRecord& record, uint8_t kind, uint8_t valueClass, VariableReference* variable,
                     uint8_t code, uint8_t arguments) {
  if (record.kind == kNameVariable && record.variable != variable) ReleaseVariableReference(record.variable);
  record.kind = kind;
  record.valueClass = valueClass;
  record.variable = variable;
  record.code = code;
  record.arguments = arguments;
}

NameRecord* FindName(NameRecord* root, const KeyView& key, uint8_t blank) {
  while (root) {
    int order = CompareKeys(key, root->Key(), blank);
    if (order == 0) return root;
    root = order < 0 ? root->left : root->right;
  }
  return nullptr;
}

NameRecord* InsertName(NameRecord* root, NameRecord* record, uint8_t blank) {
  if (!root) return record;
  if (CompareKeys(record->Key(), root->Key(), blank) < 0)
    root->left = InsertName(root->left, record, blank);
  else
    root->right = InsertName(root->right, record, blank);
  return Rebalance(root);
}

void FreeTree(NameRecord* root) {
  if (!root) return;
  FreeTree(root->left);
  FreeTree(root->right);
  FreeNameRecord(root);
}

size_t CountRecords(const NameRecord* root) {
  return root ? 1 + CountRecords(root->left) + CountRecords(root->right) : 0;
}

int TreeHeight(const NameRecord* root) { return HeightOf(root); }

}  // namespace qor::rt::bindings
