#include "avi_test_file.h"

namespace {

void Put32(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>(value >> shift));
}

void Put16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value));
    out.push_back(static_cast<char>(value >> 8));
}

std::string Chunk(const char* id, const std::string& body) {
    std::string out(id, 4);
    Put32(out, static_cast<uint32_t>(body.size()));
    out += body;
    if (body.size() % 2) out.push_back('\0');
    return out;
}

std::string List(const char* type, const std::string& body) {
    return Chunk("LIST", std::string(type, 4) + body);
}

std::string FrameBytes(int width, int height, int frame) {
    std::string pixels;
    // Rows bottom-up, blue-green-red; widths used here keep rows 4-byte aligned.
    for (int row = height - 1; row >= 0; --row) {
        Rgb colour = row < height / 2 ? TopColour(frame) : BottomColour(frame);
        for (int x = 0; x < width; ++x) {
            pixels.push_back(static_cast<char>(colour.b));
            pixels.push_back(static_cast<char>(colour.g));
            pixels.push_back(static_cast<char>(colour.r));
        }
    }
    return pixels;
}

} // namespace

Rgb TopColour(int frame) {
    return {static_cast<uint8_t>(20 + 23 * frame), static_cast<uint8_t>(200 - 17 * frame),
            static_cast<uint8_t>(60 + 11 * frame)};
}

Rgb BottomColour(int frame) {
    return {static_cast<uint8_t>(230 - 19 * frame), static_cast<uint8_t>(40 + 13 * frame),
            static_cast<uint8_t>(180 - 7 * frame)};
}

std::string MakeUncompressedAvi(int width, int height, int frameCount, int framesPerSecond) {
    uint32_t frameSize = static_cast<uint32_t>(width * height * 3);

    std::string mainHeader;
    Put32(mainHeader, 1000000 / framesPerSecond);
    Put32(mainHeader, frameSize * framesPerSecond);
    Put32(mainHeader, 0);
    Put32(mainHeader, 0x10); // has an index
    Put32(mainHeader, frameCount);
    Put32(mainHeader, 0);
    Put32(mainHeader, 1);
    Put32(mainHeader, frameSize);
    Put32(mainHeader, width);
    Put32(mainHeader, height);
    for (int i = 0; i < 4; ++i)
        Put32(mainHeader, 0);

    std::string streamHeader = "vids";
    streamHeader += std::string("\0\0\0\0", 4);
    Put32(streamHeader, 0); // flags
    Put16(streamHeader, 0);
    Put16(streamHeader, 0);
    Put32(streamHeader, 0);
    Put32(streamHeader, 1);               // scale
    Put32(streamHeader, framesPerSecond); // rate
    Put32(streamHeader, 0);
    Put32(streamHeader, frameCount); // length
    Put32(streamHeader, frameSize);
    Put32(streamHeader, 0xFFFFFFFF);
    Put32(streamHeader, 0);
    Put16(streamHeader, 0);
    Put16(streamHeader, 0);
    Put16(streamHeader, static_cast<uint16_t>(width));
    Put16(streamHeader, static_cast<uint16_t>(height));

    std::string format;
    Put32(format, 40);
    Put32(format, width);
    Put32(format, height); // positive: bottom-up rows
    Put16(format, 1);
    Put16(format, 24);
    Put32(format, 0);
    Put32(format, frameSize);
    for (int i = 0; i < 4; ++i)
        Put32(format, 0);

    std::string headers = Chunk("avih", mainHeader) +
                          List("strl", Chunk("strh", streamHeader) + Chunk("strf", format));

    std::string movie;
    std::string index;
    for (int frame = 0; frame < frameCount; ++frame) {
        index += "00db";
        Put32(index, 0x10);                                    // key frame
        Put32(index, static_cast<uint32_t>(4 + movie.size())); // from the "movi" tag
        Put32(index, frameSize);
        movie += Chunk("00db", FrameBytes(width, height, frame));
    }

    std::string body = "AVI " + List("hdrl", headers) + List("movi", movie) + Chunk("idx1", index);
    return Chunk("RIFF", body);
}
