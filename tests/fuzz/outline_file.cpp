// Fuzz target: any bytes as an outline file. What the reader accepts is filled at the game's
// three display scales into a clip the size of the largest picture; the sanitizers catch a read
// or write out of place, a refused file must leave no outlines behind.
#include "view/render/coverage_raster.h"
#include "view/render/outline_file.h"

#include <cstdlib>

using namespace pirandella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const OutlineFile file =
        ReadOutlineFile({reinterpret_cast<const char*>(data), size}, "letters.outlines");
    if (!file.error.empty() && !file.outlines.empty()) std::abort(); // half read
    for (const Outline& o : file.outlines)
        for (const double scale : {1.0, 1.5, 2.0}) {
            const CoverageMask m = FillCoverage(o, 2, 2, scale, {0, 0, 64, 64});
            if (m.alpha.size() != 64 * 64) std::abort();
        }
    return 0;
}
