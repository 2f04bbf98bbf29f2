#pragma once
// The least real file layer a FileManager needs: a data file of fixed-length records
// with no header, keys kept in "<name>.key" (record_keys.h), large-object fields held
// in memory, and the one driver command "Recover=n".
//
// Access (`OpenMode` low two bits): 0 read, 1 write, 2 (or 3) both; the share bits
// above them are ignored. A position is the record number in decimal.
//
// Every failure sets the error state and the error file name and returns its code:
//   2  the file does not exist          5  EACCES, EPERM or EROFS, or an operation
//   35 no record at that position          the access mode does not allow
//   36 a size that is not a whole number of records     37 the file is not open
//   46 a key file that is missing or does not match the records
//   52 the file is already open         80 any driver command but "Recover=n"
//   90 anything else
// An open file is registered with the runtime, which closes it at exit.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/files/record_keys.h"

namespace qor::fw {

class DataFile {
 public:
  DataFile(std::string name, uint32_t recordLength, std::vector<KeySlice> keys = {}, size_t largeObjects = 0);
  ~DataFile();
  DataFile(const DataFile&) = delete;
  DataFile& operator=(const DataFile&) = delete;

  const std::string& Name() const { return name_; }
  std::string KeyFileName() const { return name_ + ".key"; }
  std::span<uint8_t> Record() { return record_; }
  std::span<const uint8_t> Record() const { return record_; }
  std::vector<std::string>& LargeObjects() { return largeObjects_; }
  const std::vector<std::string>& LargeObjects() const { return largeObjects_; }
  size_t KeyCount() const { return keys_.size(); }
  // Opened per language thread (each thread its own open count).
  bool PerThread() const { return perThread_; }
  void SetPerThread(bool perThread) { perThread_ = perThread; }

  int32_t Open(uint8_t openMode);
  int32_t Create();     // an empty file, and an empty key file when there are keys
  int32_t BuildKeys();  // rewrites the key file from the records
  int32_t SendCommand(std::string_view command);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

  uint32_t RecordCount() const { return count_; }
  uint32_t CurrentRecord() const { return current_; }  // 0 = none
  std::string Position() const;                          // "" when there is no current record
  int32_t Reget(std::string_view position);              // blanks around the number are ignored
  int32_t Get(uint32_t record);
  int32_t Add();  // appends the record buffer as a new record, which becomes current

 private:
  int32_t Fail(int32_t code) const;
  int32_t FailWithErrno(int error) const;
  int32_t ReadData(std::string& data) const;  // the whole file, read-only
  int32_t CheckKeys(const std::string& data) const;
  bool CanRead() const { return (mode_ & 3) != 1; }
  bool CanWrite() const { return (mode_ & 3) != 0; }

  std::string name_;
  uint32_t recordLength_;
  std::vector<KeySlice> keys_;
  std::vector<uint8_t> record_;
  std::vector<std::string> largeObjects_;
  bool perThread_ = false;
  int fd_ = -1;
  uint8_t mode_ = 0;
  uint32_t count_ = 0;
  uint32_t current_ = 0;
};

// The file layer's global list of data files, disposed by the program's stop handler.
void RegisterDataFile(DataFile* file);
void ForgetDataFile(DataFile* file);
size_t DataFileListSize();
void DisposeDataFileList();

}  // namespace qor::fw
