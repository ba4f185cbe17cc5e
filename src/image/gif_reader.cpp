// GIF87a and GIF89a pictures: colour maps, transparency, interlace and the variable-length
// LZW code. Every image of a file is decoded (so that damage anywhere fails the load);
// the first one is returned, placed on the logical screen.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "image/picture_file.h"
#include "image/picture_readers.h"

namespace {

constexpr int kMaxImages = 256;
constexpr int kMaxLzwBits = 12;
constexpr int kLzwTableSize = 1 << kMaxLzwBits;
constexpr int kLzwStackSize = 2 * kLzwTableSize;
// Every code takes two bits or more and stands for at most a table's worth of bytes.
constexpr uint64_t kMaxLzwExpansion = 4 * (kLzwTableSize + 1);

void Report(const char* format, va_list arguments) {
    std::fputs("Image reader: ", stderr);
    std::vfprintf(stderr, format, arguments);
    std::fputc('\n', stderr);
}

class GifDecoder {
  public:
    explicit GifDecoder(std::span<const uint8_t> file) : file_(file) {}

    // Reads every image; true when the first one is in out and nothing was fatal.
    bool Decode(ImageRecord& out) {
        const int images = ReadGifFile(out);
        return !error_ && images > 0;
    }

  private:
    // ---- messages and input ----

    __attribute__((format(printf, 2, 3))) void Fatal(const char* format, ...) {
        va_list arguments;
        va_start(arguments, format);
        Report(format, arguments);
        va_end(arguments);
        error_ = true;
    }
    __attribute__((format(printf, 2, 3))) void Warn(const char* format, ...) {
        va_list arguments;
        va_start(arguments, format);
        Report(format, arguments);
        va_end(arguments);
    }

    // Copies count bytes, or consumes the rest of the file and returns false.
    bool ReadBytes(uint8_t* into, size_t count) {
        if (count > file_.size() - position_) {
            position_ = file_.size();
            return false;
        }
        std::memcpy(into, file_.data() + position_, count);
        position_ += count;
        return true;
    }
    int ReadByte() { return position_ < file_.size() ? file_[position_++] : -1; }

    // One sub-block into block: its length, or -1 when the file ends.
    int ReadDataBlock(uint8_t* block) {
        const int count = ReadByte();
        if (count < 0) {
            Warn("error in getting DataBlock size");
            return -1;
        }
        zero_data_block_ = count == 0;
        if (count > 0 && !ReadBytes(block, count)) {
            Warn("error in reading DataBlock");
            return -1;
        }
        return count;
    }
    // Skips sub-blocks up to the terminator; the last count read (0, or -1 at the end).
    int SkipDataBlocks() {
        uint8_t block[256];
        int count;
        while ((count = ReadDataBlock(block)) > 0) {
        }
        return count;
    }

    // ---- structure ----

    int ReadGifFile(ImageRecord& out) {
        uint8_t magic[6];
        if (!ReadBytes(magic, sizeof magic)) {
            Fatal("error reading magic number");
            return 0;
        }
        if (std::memcmp(magic, "GIF", 3) != 0) {
            Fatal("not a GIF file");
            return 0;
        }
        if (std::memcmp(magic + 3, "87a", 3) != 0 && std::memcmp(magic + 3, "89a", 3) != 0) {
            Fatal("bad version number, not '87a' or '89a'");
            return 0;
        }
        uint8_t screen[7];
        if (!ReadBytes(screen, sizeof screen)) {
            Fatal("failed to read screen descriptor");
            return 0;
        }
        screen_width_ = ReadLe16(screen);
        screen_height_ = ReadLe16(screen + 2);
        // A screen far larger than any picture the file could hold is refused with the rest.
        if (!PictureSizeAllowed(screen_width_, screen_height_, 4) ||
            uint64_t{screen_width_} * screen_height_ > file_.size() * kMaxLzwExpansion) {
            Fatal("unsupported screen size %u x %u", screen_width_, screen_height_);
            return 0;
        }
        if (screen[4] & 0x80) ReadColorMap(2 << (screen[4] & 7));
        const uint8_t aspect = screen[6];
        if (aspect != 0 && aspect != 49) {
            const double ratio = (aspect + 15) / 64.0;
            Warn("warning - non-square pixels; to fix do a 'pnmscale -%cscale %g'",
                 ratio < 1 ? 'x' : 'y', ratio < 1 ? 1 / ratio : ratio);
        }

        int images = 0;
        while (images < kMaxImages) {
            const int c = ReadByte();
            if (c < 0) {
                Fatal("EOF / read error on image data");
                return images;
            }
            if (c == ';') return images;
            if (c == '!') {
                const int label = ReadByte();
                if (label < 0) {
                    Fatal("OF / read error on extention function code");
                    return images;
                }
                ReadExtension(label);
            } else if (c == ',') {
                if (!ReadImage(images, out)) return images;
                ++images;
            } else {
                Warn("bogus character 0x%02x, ignoring", c);
            }
        }
        return images;
    }

    void ReadColorMap(int entries) {
        grey_ = true;
        for (int i = 0; i < entries; ++i) {
            uint8_t rgb[3];
            if (!ReadBytes(rgb, 3)) {
                Fatal("bad colormap");
                return;
            }
            red_[i] = rgb[0];
            green_[i] = rgb[1];
            blue_[i] = rgb[2];
            if (rgb[0] != rgb[1] || rgb[1] != rgb[2]) grey_ = false;
        }
    }

    void ReadExtension(int label) {
        uint8_t block[256];
        if (label == 0xF9) {
            const int count = ReadDataBlock(block);
            if (count >= 4 && (block[0] & 1)) transparent_ = block[3];
            if (count <= 0) return; // the extension has ended already
        }
        SkipDataBlocks();
    }

    // False when reading stops here: a fatal error or a change of pixel format.
    bool ReadImage(int index, ImageRecord& out) {
        uint8_t descriptor[9];
        if (!ReadBytes(descriptor, sizeof descriptor)) {
            Fatal("couldn't read left/top/width/height");
            return false;
        }
        const uint32_t left = ReadLe16(descriptor);
        const uint32_t top = ReadLe16(descriptor + 2);
        const uint32_t width = ReadLe16(descriptor + 4);
        const uint32_t height = ReadLe16(descriptor + 6);
        const uint8_t flags = descriptor[8];
        if (flags & 0x80) ReadColorMap(1 << ((flags & 7) + 1));
        const uint32_t depth_now = (grey_ ? 1 : 3) + (transparent_ >= 0 ? 1 : 0);
        if (depth_ != 0 && depth_ != depth_now) {
            Warn("multiple colormap formats encounted at frame %d", index);
            return false;
        }
        depth_ = depth_now;
        if (!PictureSizeAllowed(width, height, 1)) {
            Fatal("unsupported image size %u x %u", width, height);
            return false;
        }
        if (uint64_t{width} * height > (file_.size() - position_) * kMaxLzwExpansion) {
            Fatal("error reading image");
            return false;
        }
        if (!ReadGifImage(width, height, flags & 0x40, index == 0)) return false;
        if (index == 0) PlaceOnScreen(left, top, width, height, out);
        return true;
    }

    // The first image's indices become pixels of a screen-sized record; the parts of the
    // screen it does not cover stay 0 (black, transparent where there is alpha).
    void PlaceOnScreen(uint32_t left, uint32_t top, uint32_t width, uint32_t height,
                       ImageRecord& out) const {
        out.width = screen_width_;
        out.height = screen_height_;
        out.depth = depth_;
        out.pixels.assign(size_t{screen_width_} * screen_height_ * depth_, 0);
        if (left >= screen_width_ || top >= screen_height_) return;
        const uint32_t columns = std::min(width, screen_width_ - left);
        const uint32_t rows = std::min(height, screen_height_ - top);
        for (uint32_t y = 0; y < rows; ++y) {
            const uint8_t* in = indices_.data() + size_t{y} * width;
            uint8_t* pixel =
                out.pixels.data() + ((size_t{top} + y) * screen_width_ + left) * depth_;
            ExpandRow(in, columns, pixel);
        }
    }

    void ExpandRow(const uint8_t* in, uint32_t count, uint8_t* out) const {
        const int transparent = transparent_;
        switch (depth_) {
        case 1:
            for (uint32_t x = 0; x < count; ++x)
                out[x] = red_[in[x]];
            break;
        case 2:
            for (uint32_t x = 0; x < count; ++x, out += 2) {
                out[0] = red_[in[x]];
                out[1] = in[x] == transparent ? 0 : 255;
            }
            break;
        case 3:
            for (uint32_t x = 0; x < count; ++x, out += 3) {
                out[0] = red_[in[x]];
                out[1] = green_[in[x]];
                out[2] = blue_[in[x]];
            }
            break;
        default:
            for (uint32_t x = 0; x < count; ++x, out += 4) {
                out[0] = red_[in[x]];
                out[1] = green_[in[x]];
                out[2] = blue_[in[x]];
                out[3] = in[x] == transparent ? 0 : 255;
            }
            break;
        }
    }

    // Decodes one image. The first one's indices are kept in indices_, rows in picture
    // order; the buffer grows with the data actually decoded, and pixels the data does not
    // reach stay index 0.
    bool ReadGifImage(uint32_t width, uint32_t height, bool interlaced, bool keep) {
        const int minimum_size = ReadByte();
        if (minimum_size < 0) {
            Fatal("EOF / read error on image data");
            return false;
        }
        if (minimum_size < 1 || minimum_size >= kMaxLzwBits) {
            Fatal("error reading image");
            return false;
        }
        StartLzw(minimum_size);
        indices_.clear();

        uint32_t rows = 0; // complete rows, in the order the file stores them
        uint32_t x = 0;
        uint8_t* row = nullptr;
        int value;
        while (rows < height && (value = ReadLzwByte()) >= 0) {
            if (keep) {
                if (x == 0) {
                    indices_.resize(size_t{rows + 1} * width);
                    row = indices_.data() + size_t{rows} * width;
                }
                row[x] = static_cast<uint8_t>(value);
            }
            if (++x == width) {
                x = 0;
                ++rows;
            }
        }
        if (error_) return false;
        if (rows == height && ReadLzwByte() >= 0) Warn("too much input data, ignoring extra...");
        if (error_) return false;
        if (keep) ArrangeRows(width, height, interlaced);
        return true;
    }

    // Puts the stored rows of indices_ in picture order and fills it to width x height.
    // Interlaced rows come in four passes: every 8th from 0, every 8th from 4, every 4th
    // from 2, every 2nd from 1.
    void ArrangeRows(uint32_t width, uint32_t height, bool interlaced) {
        if (!interlaced) {
            indices_.resize(size_t{width} * height, 0);
            return;
        }
        static constexpr uint32_t kPassStart[] = {0, 4, 2, 1};
        static constexpr uint32_t kPassStep[] = {8, 8, 4, 2};
        std::vector<uint8_t> arranged(size_t{width} * height, 0);
        const size_t stored_rows = (indices_.size() + width - 1) / width;
        size_t stored = 0;
        for (int pass = 0; pass < 4; ++pass) {
            for (uint32_t y = kPassStart[pass]; y < height && stored < stored_rows;
                 y += kPassStep[pass], ++stored) {
                const size_t begin = stored * width;
                const size_t count = std::min<size_t>(width, indices_.size() - begin);
                std::copy_n(indices_.begin() + begin, count, arranged.begin() + size_t{y} * width);
            }
        }
        indices_ = std::move(arranged);
    }

    // ---- LZW ----

    void StartLzw(int minimum_size) {
        minimum_size_ = minimum_size;
        clear_code_ = 1 << minimum_size;
        end_code_ = clear_code_ + 1;
        for (int i = 0; i < kLzwTableSize; ++i) {
            prefix_[i] = 0;
            suffix_[i] = static_cast<uint16_t>(i < clear_code_ ? i : 0);
        }
        next_code_ = clear_code_ + 2;
        ResetLzwTables();
        current_bit_ = 0;
        last_bit_ = 0;
        last_byte_ = 2;
        done_ = false;
        bits_[0] = bits_[1] = 0;
        fresh_ = true;
    }

    // Only the entries added since the last reset differ from their starting values.
    void ResetLzwTables() {
        std::fill(prefix_ + clear_code_ + 2, prefix_ + next_code_, 0);
        std::fill(suffix_ + clear_code_ + 2, suffix_ + next_code_, 0);
        code_size_ = minimum_size_ + 1;
        code_limit_ = 2 * clear_code_;
        next_code_ = clear_code_ + 2;
        stack_top_ = 0;
    }

    // The next code of code_size_ bits, lowest bit first; -1 when the data has ended.
    int ReadCode() {
        while (current_bit_ + code_size_ > last_bit_) {
            if (done_) {
                if (current_bit_ >= last_bit_) Fatal("ran off the end of my bits");
                return -1;
            }
            bits_[0] = bits_[last_byte_ - 2];
            bits_[1] = bits_[last_byte_ - 1];
            int count = ReadDataBlock(bits_ + 2);
            if (count <= 0) {
                count = 0;
                done_ = true;
            }
            last_byte_ = 2 + count;
            current_bit_ = current_bit_ - last_bit_ + 16;
            last_bit_ = last_byte_ * 8;
        }
        const int byte = current_bit_ >> 3;
        const uint32_t window = bits_[byte] | (bits_[byte + 1] << 8) | (bits_[byte + 2] << 16);
        const int code = (window >> (current_bit_ & 7)) & ((1 << code_size_) - 1);
        current_bit_ += code_size_;
        return code;
    }

    // A code that is not the clear code, or a negative value at the end of the data.
    int ReadFirstCode() {
        int code;
        do {
            code = ReadCode();
        } while (code == clear_code_);
        first_code_ = previous_code_ = code;
        return code;
    }

    // The next decoded index; -2 at the end code, -1 when the data runs out or is damaged.
    int ReadLzwByte() {
        if (fresh_) {
            fresh_ = false;
            return ReadFirstCode();
        }
        if (stack_top_ > 0) return stack_[--stack_top_];
        for (;;) {
            int code = ReadCode();
            if (code < 0 || error_) return error_ ? -1 : code;
            if (code == clear_code_) {
                ResetLzwTables();
                return ReadFirstCode();
            }
            if (code == end_code_) {
                if (!zero_data_block_ && SkipDataBlocks() < 0) {
                    Warn("missing EOD in data stream (common occurence)");
                }
                return -2;
            }
            const int incoming = code;
            if (code >= next_code_) {
                stack_[stack_top_++] = static_cast<uint16_t>(first_code_);
                code = previous_code_;
            }
            while (code >= clear_code_) {
                // A chain longer than the stack can only come from a table that loops.
                if (prefix_[code] == code || stack_top_ >= kLzwStackSize - 1) {
                    Fatal("circular table entry BIG ERROR");
                    return -1;
                }
                stack_[stack_top_++] = suffix_[code];
                code = prefix_[code];
            }
            first_code_ = suffix_[code];
            stack_[stack_top_++] = static_cast<uint16_t>(first_code_);
            if (next_code_ < kLzwTableSize) {
                prefix_[next_code_] = static_cast<uint16_t>(previous_code_);
                suffix_[next_code_] = static_cast<uint16_t>(first_code_);
                ++next_code_;
                if (next_code_ >= code_limit_ && code_limit_ < kLzwTableSize) {
                    code_limit_ *= 2;
                    ++code_size_;
                }
            }
            previous_code_ = incoming;
            if (stack_top_ > 0) return stack_[--stack_top_];
        }
    }

    std::span<const uint8_t> file_;
    size_t position_ = 0;
    bool error_ = false;
    bool zero_data_block_ = false;

    uint32_t screen_width_ = 0;
    uint32_t screen_height_ = 0;
    uint8_t red_[256] = {};
    uint8_t green_[256] = {};
    uint8_t blue_[256] = {};
    bool grey_ = false;
    int transparent_ = -1;
    uint32_t depth_ = 0;
    std::vector<uint8_t> indices_;

    int minimum_size_ = 0;
    int clear_code_ = 0;
    int end_code_ = 0;
    int code_size_ = 0;
    int code_limit_ = 0;
    int next_code_ = 0;
    int first_code_ = 0;
    int previous_code_ = 0;
    bool fresh_ = true;
    uint16_t prefix_[kLzwTableSize] = {};
    uint16_t suffix_[kLzwTableSize] = {};
    uint16_t stack_[kLzwStackSize] = {};
    int stack_top_ = 0;

    uint8_t bits_[280] = {};
    int current_bit_ = 0;
    int last_bit_ = 0;
    int last_byte_ = 2;
    bool done_ = false;
};

} // namespace

bool DecodeGifPicture(std::span<const uint8_t> file, const char*, ImageRecord& out) {
    auto decoder = std::make_unique<GifDecoder>(file);
    return decoder->Decode(out);
}
