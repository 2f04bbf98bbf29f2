#include "os/last_error.h"

#include <cerrno>

namespace qor::os {
namespace {

struct ErrnoMapping {
  int errnoValue;
  uint32_t code;
};

// Each errno value beside the code whose message describes it best. Codes above 99
// are avoided on purpose: the runtime adds 300 to these codes and 400 and up are
// the language's own errors.
constexpr ErrnoMapping kMappings[] = {
    {ENOSYS, 1},         // Invalid Function
    {ENOTTY, 1},         //
    {ENOENT, 2},         // File Not Found
    {ENOTDIR, 3},        // Path Not Found
    {ENAMETOOLONG, 3},   //
    {ELOOP, 3},          //
    {EMFILE, 4},         // Too Many Open Files
    {ENFILE, 4},         //
    {EACCES, 5},         // Access Denied
    {EPERM, 5},          //
    {EISDIR, 5},         //
    {ENOTEMPTY, 5},      //
    {EBADF, 6},          // Invalid Handle
    {ENOMEM, 8},         // Insufficient Memory
    {E2BIG, 10},         // Invalid Environment
    {ENOEXEC, 11},       // Invalid Format
    {EFAULT, 12},        // Invalid Access
    {EILSEQ, 13},        // Invalid Data
    {EBADMSG, 13},       //
    {EXDEV, 17},         // Not Same Device
    {EROFS, 19},         // Write Protect
    {ENOMEDIUM, 21},     // Device Not Ready
    {ESPIPE, 25},        // Seek Location Inaccessible
    {EPIPE, 29},         // Write Fault
    {EIO, 31},           // General Failure
    {EBUSY, 32},         // Sharing Violation
    {ETXTBSY, 32},       //
    {EDEADLK, 33},       // Lock Violation
    {ENOLCK, 36},        // Sharing Buffer Exceeded
    {ENOSPC, 39},        // Handle Disk Full
    {EDQUOT, 39},        //
    {EFBIG, 39},         //
    {EOPNOTSUPP, 50},    // Not Supported
    {EHOSTUNREACH, 53},  // Invalid Network Path
    {ENETUNREACH, 53},   //
    {ENODEV, 55},        // Device Does Not Exist
    {ENXIO, 55},         //
    {ENETDOWN, 59},      // Unexpected Network Error
    {ECONNREFUSED, 59},  //
    {ETIMEDOUT, 59},     //
    {ECONNRESET, 64},    // Network Name Deleted
    {ECONNABORTED, 64},  //
    {EEXIST, 80},        // File Already Exists
    {ENOBUFS, 84},       // Out Of Structures
    {EINVAL, 87},        // Invalid Parameter
    {ERANGE, 87},        //
    {EDOM, 87},          //
};

}  // namespace

uint32_t ErrorFromErrno(int errnoValue) {
  if (errnoValue == 0) return kErrorNone;
  for (const ErrnoMapping& m : kMappings)
    if (m.errnoValue == errnoValue) return m.code;
  return kErrorUnknown;
}

uint32_t LastError() { return ErrorFromErrno(errno); }

}  // namespace qor::os
