// SPDX-License-Identifier: GPL-3.0-or-later
#include "throws_csv.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "number_text.h"
#include "tally.h"

namespace experiment {

namespace {

// The next line of `text` from `at`, without its line end (LF, or CR LF).
std::string_view nextLine(std::string_view text, std::size_t& at) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

// Six comma-separated fields: five whole numbers and the ratio as written.
bool splitRow(std::string_view line, std::array<int, 5>& numbers, std::string_view& ratio) {
    for (int& number : numbers) {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos || comma == 0) {
            return false;
        }
        const auto [end, error] = std::from_chars(line.data(), line.data() + comma, number);
        if (error != std::errc() || end != line.data() + comma) {
            return false;
        }
        line.remove_prefix(comma + 1);
    }
    ratio = line;
    return true;
}

}  // namespace

std::variant<std::vector<Faces>, CsvProblem> readThrowsCsv(std::string_view text, int room) {
    std::size_t at = 0;
    if (nextLine(text, at) != kThrowsCsvHeader) {
        return CsvProblem{CsvProblem::What::NoHeader, 1};
    }
    std::vector<Faces> throws;
    int odd = 0;
    for (int line = 2; at < text.size(); ++line) {
        const std::string_view row = nextLine(text, at);
        std::array<int, 5> numbers{};
        std::string_view ratio;
        const auto refused = [line](CsvProblem::What what) { return CsvProblem{what, line}; };
        if (!splitRow(row, numbers, ratio)) {
            return refused(CsvProblem::What::Fields);
        }
        const auto [number, large, small, oddHere, oddSoFar] = numbers;
        const int count = static_cast<int>(throws.size()) + 1;
        if (number != count) {
            return refused(CsvProblem::What::Number);
        }
        if (count > room) {
            return refused(CsvProblem::What::TooMany);
        }
        if (large < 1 || large > kFaces || small < 1 || small > kFaces) {
            return refused(CsvProblem::What::Face);
        }
        const bool productOdd = isOddPair(large, small);
        if (oddHere != (productOdd ? 1 : 0)) {
            return refused(CsvProblem::What::Odd);
        }
        odd += oddHere;
        if (oddSoFar != odd) {
            return refused(CsvProblem::What::OddSoFar);
        }
        if (ratio != ratioText(odd, count)) {
            return refused(CsvProblem::What::Ratio);
        }
        throws.push_back({static_cast<std::int16_t>(large), static_cast<std::int16_t>(small)});
    }
    if (throws.empty()) {
        return CsvProblem{CsvProblem::What::NoThrows, 2};
    }
    return throws;
}

}  // namespace experiment
