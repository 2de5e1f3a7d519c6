#include "view/outlines.h"

#include "view/outline_bytes.h"

#include <cmath>
#include <cstring>

namespace pirandella {

namespace {

constexpr char magic[8] = {'P', 'I', 'R', 'A', 'O', 'U', 'T', 'L'};
constexpr std::uint32_t version = 1;

// Reads the file front to back. The first fault found, with the byte where it was found, stops
// the reading; every read after it fails too. No exceptions, so that builds without them read
// damaged files as well.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool fail(const std::string& what) {
        if (error_.empty()) error_ = what + ", al byte " + std::to_string(at_);
        return false;
    }
    const std::string& error() const { return error_; }
    std::size_t left() const { return bytes_.size() - at_; }
    const unsigned char* take(std::size_t n) {
        if (!error_.empty()) return nullptr;
        if (left() < n) {
            fail("finisce troppo presto");
            return nullptr;
        }
        const char* p = bytes_.data() + at_;
        at_ += n;
        return reinterpret_cast<const unsigned char*>(p);
    }
    bool byte(std::uint8_t& v) {
        const unsigned char* p = take(1);
        if (p) v = *p;
        return p != nullptr;
    }
    bool u32(std::uint32_t& v) {
        const unsigned char* p = take(4);
        if (p) v = p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        return p != nullptr;
    }
    bool number(double& d) {
        const unsigned char* p = take(8);
        if (!p) return false;
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = bits << 8 | p[i];
        // No std::bit_cast in every standard library we build with.
        std::memcpy(&d, &bits, sizeof d);
        if (!std::isfinite(d)) return fail("una coordinata non è un numero");
        if (std::abs(d) > maxCoordinate) return fail("una coordinata è oltre ±1024");
        return true;
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    std::string error_;
};

bool ReadOutline(Reader& in, std::uint32_t& fileRoom, Outline& o) {
    std::uint8_t fill = 0;
    std::uint32_t steps = 0;
    if (!in.byte(fill)) return false;
    if (fill > 1) return in.fail("regola di riempimento " + std::to_string(fill) + " sconosciuta");
    o.fill = static_cast<Outline::Fill>(fill);
    if (!in.u32(steps)) return false;
    if (steps > in.left() / 17)
        return in.fail("più passi di quanti il file ne contenga"); // 17: a line
    if (steps > maxPointsPerOutline) return in.fail("più di 65536 punti in un contorno");
    o.steps.reserve(steps);
    for (std::uint32_t i = 0; i < steps; ++i) {
        std::uint8_t step = 0;
        if (!in.byte(step)) return false;
        if (step > 2) return in.fail("passo " + std::to_string(step) + " sconosciuto");
        if (i == 0 && step != 0) return in.fail("un contorno non comincia con uno spostamento");
        const std::uint32_t count = step == 2 ? 3 : 1;
        if (o.points.size() + count > maxPointsPerOutline)
            return in.fail("più di 65536 punti in un contorno");
        if (count > fileRoom) return in.fail("più di 262144 punti nel file");
        fileRoom -= count;
        o.steps.push_back(static_cast<Outline::Step>(step));
        for (std::uint32_t k = 0; k < count; ++k) {
            OutlinePoint p;
            if (!in.number(p.x) || !in.number(p.y)) return false;
            o.points.push_back(p);
        }
    }
    return true;
}

bool ReadAll(Reader& in, std::vector<Outline>& outlines) {
    const unsigned char* head = in.take(sizeof magic);
    if (!head) return false;
    if (std::memcmp(head, magic, sizeof magic) != 0) return in.fail("non è un file di contorni");
    std::uint32_t v = 0, count = 0;
    if (!in.u32(v)) return false;
    if (v != version) return in.fail("la versione " + std::to_string(v) + " è sconosciuta");
    if (!in.u32(count)) return false;
    if (count > in.left() / 5) return in.fail("più contorni di quanti il file ne contenga");
    if (count > maxOutlinesPerFile) return in.fail("più di 1024 contorni");
    outlines.resize(count);
    std::uint32_t fileRoom = maxPointsPerFile;
    for (Outline& o : outlines)
        if (!ReadOutline(in, fileRoom, o)) return false;
    if (in.left() != 0) return in.fail("ci sono byte in più dopo l'ultimo contorno");
    return true;
}

} // namespace

OutlineFile ReadOutlineFile(std::string_view bytes, const std::string& fileName) {
    Reader in(bytes);
    OutlineFile file;
    if (!ReadAll(in, file.outlines)) {
        file.outlines.clear();
        file.error = "Il file " + fileName + " è danneggiato: " + in.error() + ".";
    }
    return file;
}

std::vector<Outline> ReadOutlines(std::string_view bytes, const std::string& fileName) {
    OutlineFile file = ReadOutlineFile(bytes, fileName);
    if (!file.error.empty()) throw OutlineError(file.error);
    return std::move(file.outlines);
}

std::string MissingOutlineFile(const std::string& fileName) {
    return "Manca il file " + fileName + ".";
}

std::string WriteOutlines(const std::vector<Outline>& outlines) {
    std::string out(magic, sizeof magic);
    outline_bytes::Put32(out, version);
    outline_bytes::Put32(out, static_cast<std::uint32_t>(outlines.size()));
    for (const Outline& o : outlines) outline_bytes::PutOutline(out, o);
    return out;
}

} // namespace pirandella
