// Checks shared by the reader tests: each case has a name, so a failure says which one.
#pragma once

#include <string>
#include <vector>

#include "image/picture_readers.h"
#include "picture_bytes.h"

namespace picture_bytes {

// A decoder's result on a file named "pic", with what it printed.
struct Decoded {
    bool ok = false;
    ImageRecord image;
    std::string out; // standard output
    std::string err; // standard error
};
Decoded Decode(ImageReader decode, const Bytes& file);

// Width, height and bytes per pixel.
struct Shape {
    uint32_t width, height, depth;
};
struct PixelCase {
    std::string name;
    Bytes file;
    Shape shape;
    Bytes pixels;
    std::string err = ""; // the warnings expected on standard error
};
// Each file decodes to exactly these pixels and prints nothing on standard output.
void ExpectPixels(ImageReader decode, const std::vector<PixelCase>& cases);

struct StbCase {
    std::string name;
    Bytes file;
    uint32_t depth;
};
// Each file decodes silently to the depth given and to stb_image's pixels. stb_image gives
// the top row first: bottom_first names readers that keep the bottom row first.
void ExpectSameAsStb(ImageReader decode, const std::vector<StbCase>& cases, bool bottom_first);

// Where a reader prints its messages.
enum class Channel { kStdout, kStderr };
struct RefusalCase {
    std::string name;
    Bytes file;
    const char* message = nullptr; // null: any message will do, but there must be one
};
// Each file is refused with its message on the channel (libpng may add its own on
// standard error).
void ExpectRefused(ImageReader decode, Channel channel, const std::vector<RefusalCase>& cases);

} // namespace picture_bytes
