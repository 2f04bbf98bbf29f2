#pragma once
// The primary relation of a record form: the record the form inserts, changes or
// deletes, seen only through the operations a window manager calls on it.
#include <cstdint>

#include "framework/window_manager/record_file.h"

namespace qor::fw {

class PrimaryRelation {
 public:
  virtual ~PrimaryRelation() = default;
  // Opens the relation's files.
  virtual void Open() = 0;
  // Non-zero when a cancelled insert could not be undone (the form stays open).
  virtual uint8_t CancelInsert() = 0;
  // 0 when the record was deleted; `ask` 1 asks for confirmation first.
  virtual uint8_t Delete(uint8_t ask) = 0;
  // 0 saved; 1 failed and may be retried; anything else failed.
  virtual uint8_t Update(uint8_t flag) = 0;
  virtual RecordFile& File() = 0;
};

}  // namespace qor::fw
