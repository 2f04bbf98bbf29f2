#pragma once
// The file behind a record form's primary relation (and each of its other files), seen
// only through the operations a window manager calls on it: snapshots of the record
// buffer, inserting the record, and the record's position.
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::fw {

class RecordFile {
 public:
  virtual ~RecordFile() = default;
  // Makes sure the file is open; the result is not used by the form.
  virtual void UseFile() = 0;
  // True when the record buffer equals snapshot `id` (0 or an unknown id: different).
  virtual bool BufferEqualsSnapshot(uint16_t id) = 0;
  // Non-zero when the record was not added.
  virtual uint8_t Insert() = 0;
  // Non-zero when the form should end after a record was added.
  virtual uint8_t AfterInsertQuery() = 0;
  virtual uint16_t TakeSnapshot() = 0;
  // Copies the snapshot back when `copyBack`, releases it and sets `id` to 0.
  virtual void RestoreSnapshot(uint16_t& id, bool copyBack) = 0;
  // The current record's position as text, and making the record at a position current.
  virtual std::string CurrentPosition() = 0;
  virtual void Reposition(std::string_view position) = 0;
};

}  // namespace qor::fw
