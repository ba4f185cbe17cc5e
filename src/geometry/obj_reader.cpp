#include "geometry/obj_reader.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "geometry/vertex_merge.h"
#include "platform/file_contents.h"

namespace {

// Larger files are not read: a mesh that size could not be drawn anyway.
constexpr uint64_t kMaxObjFileBytes = uint64_t{1} << 30;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A cursor over OBJ text. Words and numbers are separated by any white space,
// line breaks included; faces take the rest of their line.
class ObjText {
  public:
    explicit ObjText(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}

    // The next white-space-separated word, whatever its length; empty at the end.
    std::string_view NextWord() {
        SkipSpace();
        const char* start = at_;
        while (at_ < end_ && !IsSpace(*at_))
            ++at_;
        return {start, static_cast<size_t>(at_ - start)};
    }

    // A number as the C library reads one (decimal, hexadecimal, inf, nan),
    // after any white space; false when none stands there.
    bool NextNumber(float& value) {
        SkipSpace();
        const char* start = at_ < end_ && *at_ == '+' ? at_ + 1 : at_;
        if (start < end_ && *start == '-' && start != at_) return false;
        double number = 0.0;
        auto [stop, error] = std::from_chars(start, end_, number);
        if (error == std::errc::invalid_argument) return false;
        bool hexadecimal = stop < end_ && (*stop == 'x' || *stop == 'X');
        if (error == std::errc::result_out_of_range || hexadecimal) {
            // Rare spellings go to strtod, which needs a terminated copy.
            const char* wordEnd = at_;
            while (wordEnd < end_ && !IsSpace(*wordEnd))
                ++wordEnd;
            std::string word(at_, wordEnd);
            char* parsedEnd = nullptr;
            number = std::strtod(word.c_str(), &parsedEnd);
            stop = at_ + (parsedEnd - word.c_str());
        }
        at_ = stop;
        value = static_cast<float>(number);
        return true;
    }

    // The rest of the current line without its line break, which is consumed.
    std::string_view RestOfLine() {
        const char* start = at_;
        while (at_ < end_ && *at_ != '\n')
            ++at_;
        std::string_view line(start, static_cast<size_t>(at_ - start));
        if (at_ < end_) ++at_;
        return line;
    }

  private:
    void SkipSpace() {
        while (at_ < end_ && IsSpace(*at_))
            ++at_;
    }

    const char* at_;
    const char* end_;
};

// Parses the corners of one face line.
class FaceLine {
  public:
    FaceLine(std::string_view line, const ObjReader& reader)
        : at_(line.data()), end_(line.data() + line.size()), reader_(reader) {}

    // False at the end of the line, and at a corner that starts with something
    // other than a digit, "/" or a minus before digits: the rest of the line
    // is then left unread.
    bool NextCorner(ObjCorner& corner) {
        while (at_ < end_ && IsSpace(*at_))
            ++at_;
        const char* start = at_;
        corner.position = NextNumber(reader_.positions.size());
        corner.texcoord = corner.normal = -1;
        if (Next('/')) {
            corner.texcoord = NextNumber(reader_.texcoords.size());
            if (Next('/')) corner.normal = NextNumber(reader_.normals.size());
        }
        return at_ != start;
    }

  private:
    bool Next(char c) {
        if (at_ >= end_ || *at_ != c) return false;
        ++at_;
        return true;
    }

    // Digits count from 1; a minus before digits counts back from the end of
    // the `count` elements read so far. Out-of-range numbers stay out of range;
    // -1 when there are no digits or a relative number reaches before the first.
    int32_t NextNumber(size_t count) {
        bool relative = at_ + 1 < end_ && *at_ == '-' && IsDigit(at_[1]);
        if (relative) ++at_;
        int64_t value = 0;
        bool digits = false;
        for (; at_ < end_ && IsDigit(*at_); ++at_) {
            digits = true;
            if (value < INT32_MAX) value = value * 10 + (*at_ - '0');
        }
        if (!digits) return -1;
        int64_t number = relative ? static_cast<int64_t>(count) - value : value - 1;
        return number < 0 || number > INT32_MAX ? -1 : static_cast<int32_t>(number);
    }

    const char* at_;
    const char* end_;
    const ObjReader& reader_;
};

template <class T> const T* Element(const std::vector<T>& array, int32_t number) {
    return number >= 0 && static_cast<size_t>(number) < array.size() ? &array[number] : nullptr;
}

} // namespace

void ObjReader::Clear() {
    positions.clear();
    normals.clear();
    texcoords.clear();
    faces.clear();
}

bool ObjReader::Read(const char* path) {
    Clear();
    std::string text;
    if (!platform::ReadFileContents(path, kMaxObjFileBytes, text)) return false;
    ReadText(text);
    return true;
}

void ObjReader::ReadText(std::string_view text) {
    Clear();
    ObjText input(text);
    for (;;) {
        std::string_view word = input.NextWord();
        if (word.empty()) break;
        if (word == "v" || word == "vn") {
            ObjPoint point;
            if (!input.NextNumber(point.x) || !input.NextNumber(point.y) ||
                !input.NextNumber(point.z))
                break;
            (word == "v" ? positions : normals).push_back(point);
        } else if (word == "vt") {
            ObjTexcoord texcoord;
            if (!input.NextNumber(texcoord.s) || !input.NextNumber(texcoord.t)) break;
            texcoords.push_back(texcoord);
        } else if (word == "f") {
            FaceLine line(input.RestOfLine(), *this);
            ObjTriangle triangle;
            ObjCorner* c = triangle.corners;
            if (!line.NextCorner(c[0]) || !line.NextCorner(c[1])) continue;
            while (line.NextCorner(c[2])) {
                faces.push_back(triangle);
                c[1] = c[2];
            }
        }
    }
    // Without texture coordinates, each position's x and z stand in for them.
    if (texcoords.empty()) {
        texcoords.reserve(positions.size());
        for (const ObjPoint& p : positions)
            texcoords.push_back({p.x, p.z});
        for (ObjTriangle& triangle : faces)
            for (ObjCorner& corner : triangle.corners)
                corner.texcoord = corner.position;
    }
}

MeshVertex ObjReader::CornerVertex(const ObjCorner& corner) const {
    MeshVertex v{};
    if (const ObjTexcoord* t = Element(texcoords, corner.texcoord)) {
        v.s = t->s;
        v.t = t->t;
    }
    if (const ObjPoint* n = Element(normals, corner.normal)) {
        v.nx = n->x;
        v.ny = n->y;
        v.nz = n->z;
    }
    if (const ObjPoint* p = Element(positions, corner.position)) {
        v.x = p->x;
        v.y = p->y;
        v.z = p->z;
    }
    return v;
}

void ObjReader::Build(IMesh& mesh) const {
    // Corners are mostly shared by several triangles; the merger grows when not.
    VertexMerger merger(faces.size() / 2);
    std::vector<uint32_t> indices;
    indices.reserve(faces.size() * 3);
    for (const ObjTriangle& triangle : faces)
        for (const ObjCorner& corner : triangle.corners)
            indices.push_back(merger.Add(CornerVertex(corner)));
    mesh.SetGeometry(std::move(merger.Vertices()), std::move(indices));
}
