#include "media/vorbis_headers.h"

#include <dlfcn.h>
#include <ogg/ogg.h>
#include <vorbis/codec.h>

#include <cstdio>
#include <cstring>

namespace {

// The Ogg and Vorbis libraries come with libsndfile, which alone is linked by
// name: their functions are found among the libraries already loaded.
// clang-format off
#define VORBIS_FUNCTIONS(F)                                                                      \
    F(ogg_sync_init) F(ogg_sync_clear) F(ogg_sync_buffer) F(ogg_sync_wrote) F(ogg_sync_pageout) \
    F(ogg_stream_init) F(ogg_stream_clear) F(ogg_stream_pagein) F(ogg_stream_packetout)         \
    F(ogg_stream_packetpeek) F(ogg_page_bos) F(ogg_page_serialno) F(vorbis_info_init)            \
    F(vorbis_info_clear) F(vorbis_comment_init) F(vorbis_comment_clear)                          \
    F(vorbis_synthesis_headerin)
// clang-format on

struct VorbisFunctions {
#define DECLARE_FUNCTION(name) decltype(&::name) name = nullptr;
    VORBIS_FUNCTIONS(DECLARE_FUNCTION)
#undef DECLARE_FUNCTION
};

// Null where libsndfile reads no Ogg Vorbis: then there is nothing to check.
const VorbisFunctions* Functions() {
    static const VorbisFunctions* const found = []() -> const VorbisFunctions* {
        static VorbisFunctions functions;
        bool complete = true;
#define FIND_FUNCTION(name)                                                                        \
    functions.name = reinterpret_cast<decltype(&::name)>(dlsym(RTLD_DEFAULT, #name));              \
    complete = complete && functions.name;
        VORBIS_FUNCTIONS(FIND_FUNCTION)
#undef FIND_FUNCTION
        return complete ? &functions : nullptr;
    }();
    return found;
}

// Reads the headers the way libsndfile's Vorbis reader does, with the
// libraries it uses, and says whether that reader would get through them.
class HeaderCheck {
  public:
    HeaderCheck(const VorbisFunctions& f, FILE* file) : f_(f), file_(file) {
        f_.ogg_sync_init(&sync_);
        f_.vorbis_info_init(&info_);
        f_.vorbis_comment_init(&comment_);
    }
    ~HeaderCheck() {
        if (streamOpen_) f_.ogg_stream_clear(&stream_);
        f_.vorbis_comment_clear(&comment_);
        f_.vorbis_info_clear(&info_);
        f_.ogg_sync_clear(&sync_);
    }
    HeaderCheck(const HeaderCheck&) = delete;
    HeaderCheck& operator=(const HeaderCheck&) = delete;

    bool Readable() {
        // libsndfile looks for a first page in the first 4 KB and goes on as
        // Vorbis only when it begins a stream whose first packet is Vorbis's
        // identification; everything else it refuses before the leaking part.
        ogg_page page;
        if (!NextPage(&page, 4096) || !f_.ogg_page_bos(&page)) return true;
        f_.ogg_stream_init(&stream_, f_.ogg_page_serialno(&page));
        streamOpen_ = true;
        ogg_packet packet;
        if (f_.ogg_stream_pagein(&stream_, &page) < 0 ||
            f_.ogg_stream_packetout(&stream_, &packet) != 1)
            return true;
        if (packet.bytes < 7 || memcmp(packet.packet, "\x01vorbis", 7) != 0) return true;

        // The identification must stand alone on its page.
        if (!packet.b_o_s || f_.ogg_stream_packetpeek(&stream_, nullptr) != 0 ||
            f_.vorbis_synthesis_headerin(&info_, &comment_, &packet) < 0)
            return false;
        // The comment and set-up packets must follow in full, on pages of this
        // stream (others are passed over).
        for (int headers = 0; headers < 2;) {
            int got = f_.ogg_stream_packetout(&stream_, &packet);
            if (got < 0) return false;
            if (got == 1) {
                f_.vorbis_synthesis_headerin(&info_, &comment_, &packet);
                ++headers;
                continue;
            }
            do {
                if (!NextPage(&page, 0)) return false;
            } while (f_.ogg_page_serialno(&page) != stream_.serialno);
            if (f_.ogg_stream_pagein(&stream_, &page) < 0) return false;
        }
        return true;
    }

  private:
    // The next page, searching at most `limit` more bytes (0: to the end).
    bool NextPage(ogg_page* page, long limit) {
        constexpr long kReadSize = 4096;
        long searched = 0;
        for (;;) {
            int found = f_.ogg_sync_pageout(&sync_, page);
            if (found == 1) return true;
            if (found < 0) continue; // bytes that were no page were passed over
            if (limit > 0 && searched >= limit) return false;
            char* buffer = f_.ogg_sync_buffer(&sync_, kReadSize);
            size_t got = buffer ? fread(buffer, 1, kReadSize, file_) : 0;
            if (got == 0) return false;
            f_.ogg_sync_wrote(&sync_, static_cast<long>(got));
            searched += static_cast<long>(got);
        }
    }

    const VorbisFunctions& f_;
    FILE* file_;
    ogg_sync_state sync_;
    ogg_stream_state stream_;
    bool streamOpen_ = false;
    vorbis_info info_;
    vorbis_comment comment_;
};

// Where the file's own data begins: libsndfile passes over ID3 tags in front
// of it while they end before the file does.
long DataStart(FILE* file) {
    if (fseek(file, 0, SEEK_END) != 0) return 0;
    long length = ftell(file);
    long start = 0;
    unsigned char tag[10];
    while (fseek(file, start, SEEK_SET) == 0 && fread(tag, 1, sizeof tag, file) == sizeof tag &&
           memcmp(tag, "ID3", 3) == 0 && tag[3] >= 2 && tag[3] <= 4) {
        long size =
            (tag[6] & 0x7f) << 21 | (tag[7] & 0x7f) << 14 | (tag[8] & 0x7f) << 7 | (tag[9] & 0x7f);
        if (start + size + 10 >= length) break;
        start += size + 10;
    }
    return start;
}

} // namespace

bool VorbisHeadersReadable(const char* path) {
    const VorbisFunctions* functions = Functions();
    if (!functions) return true;
    FILE* file = fopen(path, "rb");
    if (!file) return true; // libsndfile gives the reason
    long start = DataStart(file);
    char magic[4];
    bool ogg = fseek(file, start, SEEK_SET) == 0 &&
               fread(magic, 1, sizeof magic, file) == sizeof magic &&
               memcmp(magic, "OggS", sizeof magic) == 0;
    bool readable = true;
    if (ogg && fseek(file, start, SEEK_SET) == 0)
        readable = HeaderCheck(*functions, file).Readable();
    fclose(file);
    return readable;
}
