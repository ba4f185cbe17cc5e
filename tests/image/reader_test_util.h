// Runs a picture decoder over bytes and keeps what it printed.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "image/picture_readers.h"
#include "picture_bytes.h"

struct Decoded {
  bool ok = false;
  ImageRecord image;
  std::string out;  // standard output
  std::string err;  // standard error
};

inline Decoded Decode(bool (*decode)(std::span<const uint8_t>, const char*, ImageRecord&),
                      const picture_bytes::Bytes& file, const char* name = "pic") {
  Decoded result;
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  result.ok = decode(file, name, result.image);
  result.out = testing::internal::GetCapturedStdout();
  result.err = testing::internal::GetCapturedStderr();
  return result;
}
