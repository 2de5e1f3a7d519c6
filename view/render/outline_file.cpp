#include "view/render/outline_file.h"

#include "view/render/outline_reader.h"

#include <cmath>
#include <cstring>

namespace pirandella {

namespace {

constexpr char magic[8] = {'P', 'I', 'R', 'A', 'O', 'U', 'T', 'L'};
constexpr std::uint32_t version = 1;

std::string Bound(double limit) {
    return std::to_string(static_cast<int>(limit)); // the bounds are small whole numbers
}

bool ReadAll(OutlineReader& in, std::vector<Outline>& outlines) {
    std::uint32_t v = 0, count = 0;
    if (!in.bytes(magic, sizeof magic, "non è un file di contorni") || !in.u32(v)) return false;
    if (v != version) return in.fail("la versione " + std::to_string(v) + " è sconosciuta");
    if (!in.u32(count)) return false;
    if (count > in.left() / 5) return in.fail("più contorni di quanti il file ne contenga");
    if (count > maxOutlinesPerFile) return in.fail("più di 1024 contorni");
    outlines.resize(count);
    std::uint32_t pointsLeft = maxPointsPerFile;
    for (Outline& o : outlines)
        if (!in.outline(o, maxCoordinate, pointsLeft)) return false;
    if (in.left() != 0) return in.fail("ci sono byte in più dopo l'ultimo contorno");
    return true;
}

} // namespace

bool OutlineReader::fail(const std::string& what) {
    if (error_.empty()) error_ = what + ", al byte " + std::to_string(at_);
    return false;
}

std::string OutlineReader::message(const std::string& fileName) const {
    return "Il file " + fileName + " è danneggiato: " + error_ + ".";
}

bool OutlineReader::bytes(const char* expected, std::size_t n, const char* otherwise) {
    if (failed()) return false;
    if (left() < n) return fail("finisce troppo presto");
    at_ += n;
    return std::memcmp(bytes_.data() + at_ - n, expected, n) == 0 || fail(otherwise);
}

bool OutlineReader::byte(std::uint8_t& v) {
    if (failed()) return false;
    if (left() < 1) return fail("finisce troppo presto");
    v = static_cast<std::uint8_t>(bytes_[at_++]);
    return true;
}

bool OutlineReader::u32(std::uint32_t& v) {
    if (failed()) return false;
    if (left() < 4) return fail("finisce troppo presto");
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at_);
    v = p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    at_ += 4;
    return true;
}

bool OutlineReader::number(double& v, double limit, const char* what, Numbers n) {
    if (failed()) return false;
    const std::size_t size = n == Numbers::Units ? 2 : 8;
    if (left() < size) return fail("finisce troppo presto");
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at_);
    std::uint64_t bits = 0;
    for (auto i = size; i-- > 0;) bits = bits << 8 | p[i];
    if (n == Numbers::Units)
        v = static_cast<std::int16_t>(static_cast<std::uint16_t>(bits)) / unitsPerOne;
    else
        std::memcpy(&v, &bits, sizeof v); // no std::bit_cast in every standard library we use
    at_ += size;
    if (!std::isfinite(v)) return fail(std::string(what) + " non è un numero");
    if (std::abs(v) > limit) return fail(std::string(what) + " è oltre ±" + Bound(limit));
    return true;
}

bool OutlineReader::unitPoint(std::int32_t (&at)[2], double limit) {
    for (std::int32_t& v : at) {
        if (failed()) return false;
        if (left() < 2) return fail("finisce troppo presto");
        const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + at_);
        v += static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | p[1] << 8));
        at_ += 2;
        if (std::abs(v) > limit * unitsPerOne)
            return fail("una coordinata è oltre ±" + Bound(limit));
    }
    return true;
}

bool OutlineReader::outline(Outline& o, double limit, std::uint32_t& pointsLeft, Numbers n) {
    std::uint8_t fill = 0;
    std::uint32_t steps = 0;
    if (!byte(fill)) return false;
    if (fill > 1) return fail("regola di riempimento " + std::to_string(fill) + " sconosciuta");
    o.fill = static_cast<Outline::Fill>(fill);
    if (!u32(steps)) return false;
    const bool units = n == Numbers::Units;
    const std::size_t line = units ? 5 : 17; // a step's code and one point
    if (steps > left() / line) return fail("più passi di quanti il file ne contenga");
    if (steps > maxPointsPerOutline) return fail("più di 65536 punti in un contorno");
    o.steps.reserve(steps);
    std::uint32_t points = 0;
    for (std::uint32_t i = 0; i < steps; ++i) {
        std::uint8_t step = 0;
        if (!byte(step)) return false;
        if (step > (units ? quadraticStep : 2))
            return fail("passo " + std::to_string(step) + " sconosciuto");
        if (i == 0 && step != 0) return fail("un contorno non comincia con uno spostamento");
        const auto s =
            step == quadraticStep ? Outline::Step::Cubic : static_cast<Outline::Step>(step);
        const auto count = static_cast<std::uint32_t>(PointsOf(s));
        if (points + count > maxPointsPerOutline) return fail("più di 65536 punti in un contorno");
        if (count > pointsLeft) return fail("più di 262144 punti nel file");
        pointsLeft -= count;
        points += count;
        o.steps.push_back(s);
        if (units) continue;
        for (std::uint32_t k = 0; k < count; ++k) {
            OutlinePoint p;
            if (!number(p.x, limit, "una coordinata", n) ||
                !number(p.y, limit, "una coordinata", n))
                return false;
            o.points.push_back(p);
        }
    }
    if (!units) return true;
    // In units every step's code comes before the points, which follow in the steps' order.
    const std::string_view codes = bytes_.substr(at_ - steps, steps);
    std::int32_t at[2] = {0, 0}; // in units: the point read last
    const auto point = [&] { return OutlinePoint{at[0] / unitsPerOne, at[1] / unitsPerOne}; };
    for (const char code : codes) {
        if (code == quadraticStep) {
            // The cubic's control points lie two thirds of the way from each end to the
            // quadratic's: whole units for every curve written so.
            const std::int32_t from[2] = {at[0], at[1]};
            if (!unitPoint(at, limit)) return false;
            const std::int32_t control[2] = {at[0], at[1]};
            const auto third = [&](const std::int32_t(&end)[2]) {
                return OutlinePoint{(end[0] + 2 * control[0]) / (3 * unitsPerOne),
                                    (end[1] + 2 * control[1]) / (3 * unitsPerOne)};
            };
            if (!unitPoint(at, limit)) return false;
            for (const OutlinePoint p : {third(from), third(at), point()}) o.points.push_back(p);
            continue;
        }
        for (int k = PointsOf(static_cast<Outline::Step>(code)); k > 0; --k) {
            if (!unitPoint(at, limit)) return false;
            o.points.push_back(point());
        }
    }
    return true;
}

void PutU32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(v >> shift & 0xff);
}

void PutNumber(std::string& out, double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8) out += static_cast<char>(bits >> shift & 0xff);
}

void PutOutline(std::string& out, const Outline& o) {
    out += static_cast<char>(o.fill);
    PutU32(out, static_cast<std::uint32_t>(o.steps.size()));
    std::size_t point = 0;
    for (const Outline::Step step : o.steps) {
        out += static_cast<char>(step);
        for (int k = PointsOf(step); k > 0; --k, ++point) {
            PutNumber(out, o.points.at(point).x);
            PutNumber(out, o.points.at(point).y);
        }
    }
}

namespace {

// The whole number of units that is d, if two bytes hold it.
bool Units(double d, std::int32_t& units) {
    const double u = d * unitsPerOne;
    if (!(std::abs(u) <= 32767) || u != std::round(u) || u / unitsPerOne != d) return false;
    units = static_cast<std::int32_t>(u);
    return true;
}

bool PutWholeUnits(std::string& out, std::int32_t units) {
    if (units < -32768 || units > 32767) return false;
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(units));
    out += static_cast<char>(bits & 0xff);
    out += static_cast<char>(bits >> 8);
    return true;
}

} // namespace

bool PutUnits(std::string& out, double d) {
    std::int32_t units = 0;
    return Units(d, units) && PutWholeUnits(out, units);
}

bool PutUnitOutline(std::string& out, const Outline& o, double limit) {
    out += static_cast<char>(o.fill);
    PutU32(out, static_cast<std::uint32_t>(o.steps.size()));
    std::string numbers;         // after every step's code
    std::int32_t at[2] = {0, 0}; // the point written last
    const auto put = [&](const std::int32_t(&p)[2]) {
        for (int k = 0; k < 2; ++k)
            if (!PutWholeUnits(numbers, p[k] - at[k])) return false;
        at[0] = p[0], at[1] = p[1];
        return true;
    };
    std::size_t point = 0;
    for (const Outline::Step step : o.steps) {
        std::int32_t p[3][2];
        const int count = PointsOf(step);
        for (int k = 0; k < count; ++k, ++point)
            if (point >= o.points.size() || !Units(o.points[point].x, p[k][0]) ||
                !Units(o.points[point].y, p[k][1]))
                return false;
        if (step == Outline::Step::Cubic) {
            // A quadratic curve, as a cubic, has both control points two thirds of the way from
            // its ends to the quadratic's one.
            std::int32_t control[2];
            bool quadratic = true;
            for (int k = 0; k < 2; ++k) {
                const std::int32_t twice = 3 * p[0][k] - at[k];
                control[k] = twice / 2;
                quadratic = quadratic && twice == 3 * p[1][k] - p[2][k] && twice % 2 == 0 &&
                            std::abs(control[k]) <= limit * unitsPerOne;
            }
            if (quadratic) {
                const std::size_t size = numbers.size();
                const std::int32_t before[2] = {at[0], at[1]};
                if (put(control) && put(p[2])) {
                    out += static_cast<char>(quadraticStep);
                    continue;
                }
                numbers.resize(size), at[0] = before[0], at[1] = before[1]; // too far: a cubic
            }
        }
        out += static_cast<char>(step);
        for (int k = 0; k < count; ++k)
            if (!put(p[k])) return false;
    }
    out += numbers;
    return true;
}

OutlineFile ReadOutlineFile(std::string_view bytes, const std::string& fileName) {
    OutlineReader in(bytes);
    OutlineFile file;
    if (!ReadAll(in, file.outlines)) {
        file.outlines.clear();
        file.error = in.message(fileName);
    }
    return file;
}

std::string MissingOutlineFile(const std::string& fileName) {
    return "Manca il file " + fileName + ".";
}

std::string WriteOutlines(const std::vector<Outline>& outlines) {
    std::string out(magic, sizeof magic);
    PutU32(out, version);
    PutU32(out, static_cast<std::uint32_t>(outlines.size()));
    for (const Outline& o : outlines) PutOutline(out, o);
    return out;
}

} // namespace pirandella
