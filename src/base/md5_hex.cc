#include "base/md5_hex.h"

// The low-level digest calls keep a static Windows executable small; OpenSSL 3 marks them deprecated.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/md5.h>

namespace base {

std::string Md5Hex(std::string_view data) {
  unsigned char digest[MD5_DIGEST_LENGTH];
  MD5_CTX context;
  MD5_Init(&context);
  MD5_Update(&context, data.data(), data.size());
  MD5_Final(digest, &context);
  static const char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(2 * MD5_DIGEST_LENGTH);
  for (unsigned char byte : digest) {
    hex.push_back(kHex[byte >> 4]);
    hex.push_back(kHex[byte & 0x0F]);
  }
  return hex;
}

}  // namespace base
