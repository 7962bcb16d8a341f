// A platform-neutral kind of file failure, written as a signed number where logs report one.
#ifndef BASE_FILE_ERROR_H_
#define BASE_FILE_ERROR_H_

namespace base {

enum FileError : int {
  FILE_OK = 0,
  FILE_ERROR_FAILED = -1,
  FILE_ERROR_IN_USE = -2,
  FILE_ERROR_EXISTS = -3,
  FILE_ERROR_NOT_FOUND = -4,
  FILE_ERROR_ACCESS_DENIED = -5,
  FILE_ERROR_NO_SPACE = -6,
};

}  // namespace base

#endif  // BASE_FILE_ERROR_H_
