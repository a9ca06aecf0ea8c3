// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever the bytes, the reader of throws refuses them on a line of the file, or gives faces
// that the program's own file of them gives back unchanged.
#include <algorithm>
#include <cstdint>

#include "experiment_core/results_text.h"
#include "experiment_core/throws_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace experiment_core;
    const auto read = readThrowsCsv({reinterpret_cast<const char*>(data), size}, 50);
    if (const auto* problem = std::get_if<CsvProblem>(&read)) {
        return problem->line >= 1 ? 0 : (__builtin_trap(), 0);
    }
    // Faces outside 1 to 6, no faces or more than the room would not come back.
    const auto& faces = std::get<std::vector<Faces>>(read);
    Tally tally;
    for (const Faces pair : faces) {
        tally.addThrow(pair.large, pair.small);
    }
    const auto again = readThrowsCsv(throwsCsv(tally), 50);
    const auto* same = std::get_if<std::vector<Faces>>(&again);
    const auto equal = [](Faces a, Faces b) { return a.large == b.large && a.small == b.small; };
    if (same == nullptr ||
        !std::equal(faces.begin(), faces.end(), same->begin(), same->end(), equal)) {
        __builtin_trap();
    }
    return 0;
}
