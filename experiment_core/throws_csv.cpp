// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/throws_csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "experiment_core/number_text.h"
#include "experiment_core/tally.h"

namespace experiment_core {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kColumns = 6;

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

// The comma-separated fields of a line, each unquoted where a spreadsheet quoted it ("" stands
// for one "). False where a quote is left open or stands inside an unquoted field.
bool splitFields(std::string_view line, std::array<std::string, kColumns>& fields) {
    std::size_t count = 0;
    std::size_t at = 0;
    while (true) {
        std::string field;
        if (at < line.size() && line[at] == '"') {
            for (++at;; ++at) {
                if (at >= line.size()) {
                    return false;
                }
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        ++at;
                    } else {
                        ++at;
                        break;
                    }
                }
                field += line[at];
            }
        } else {
            const std::size_t end = std::min(line.find(',', at), line.size());
            field = line.substr(at, end - at);
            at = end;
            if (field.find('"') != std::string::npos) {
                return false;
            }
        }
        if (count == kColumns) {
            return false;
        }
        fields.at(count++) = std::move(field);
        if (at >= line.size()) {
            return count == kColumns;
        }
        if (line[at] != ',') {
            return false;
        }
        ++at;
    }
}

// A whole number and nothing else.
bool parseWhole(const std::string& field, std::int64_t& number) {
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, number);
    return !field.empty() && error == std::errc() && stop == end;
}

// A ratio as the program writes it ("0.250") or as a spreadsheet may ("0.25", "1"), in
// thousandths; digits past the third must be zeros. False for anything else.
bool parseRatio(const std::string& field, std::int64_t& thousandths) {
    const std::size_t point = field.find('.');
    const std::string whole = field.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : field.substr(point + 1);
    if (whole.size() != 1 || whole.find_first_not_of("01") != std::string::npos ||
        (point != std::string::npos && fraction.empty()) ||
        fraction.find_first_not_of("0123456789") != std::string::npos ||
        (fraction.size() > 3 && fraction.find_first_not_of('0', 3) != std::string::npos)) {
        return false;
    }
    fraction.resize(3, '0');
    thousandths = (whole[0] - '0') * 1000 + std::stoi(fraction);
    return true;
}

}  // namespace

std::variant<std::vector<Faces>, CsvProblem> readThrowsCsv(std::string_view text,
                                                           std::int64_t room) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    // Empty lines at the end are what a spreadsheet may leave; none counts as a row.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    std::size_t at = 0;
    std::array<std::string, kColumns> fields;
    if (!splitFields(nextLine(text, at), fields) ||
        !std::equal(fields.begin(), fields.end(), std::begin(kThrowsCsvColumns))) {
        return CsvProblem{CsvProblem::What::NoHeader, 1};
    }
    std::vector<Faces> throws;
    std::int64_t odd = 0;
    for (std::int64_t line = 2; at < text.size(); ++line) {
        std::array<std::int64_t, kColumns - 1> numbers{};
        std::int64_t ratio = 0;
        const auto refused = [line](CsvProblem::What what) { return CsvProblem{what, line}; };
        bool readable = splitFields(nextLine(text, at), fields) && parseRatio(fields.back(), ratio);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            readable = readable && parseWhole(fields.at(i), numbers.at(i));
        }
        if (!readable) {
            return refused(CsvProblem::What::Fields);
        }
        const auto [number, large, small, oddHere, oddSoFar] = numbers;
        const auto count = static_cast<std::int64_t>(throws.size()) + 1;
        if (number != count) {
            return refused(CsvProblem::What::Number);
        }
        if (count > room) {
            return refused(CsvProblem::What::TooMany);
        }
        if (large < 1 || large > kFaces || small < 1 || small > kFaces) {
            return refused(CsvProblem::What::Face);
        }
        if (oddHere != (isOddPair(static_cast<int>(large), static_cast<int>(small)) ? 1 : 0)) {
            return refused(CsvProblem::What::Odd);
        }
        odd += oddHere;
        if (oddSoFar != odd) {
            return refused(CsvProblem::What::OddSoFar);
        }
        if (ratio != ratioThousandths(odd, count)) {
            return refused(CsvProblem::What::Ratio);
        }
        throws.push_back({static_cast<std::int16_t>(large), static_cast<std::int16_t>(small)});
    }
    if (throws.empty()) {
        return CsvProblem{CsvProblem::What::NoThrows, 2};
    }
    return throws;
}

}  // namespace experiment_core
