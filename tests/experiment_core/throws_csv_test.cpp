// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "experiment_core/throws_csv.h"

namespace {

using What = experiment_core::CsvProblem::What;

std::string fixture(const char* name) {
    std::ifstream file(std::string(THROWS_FIXTURES) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Every field of a text with CRLF line ends quoted, as some spreadsheets write them.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c == ',' ? "\",\"" : c == '\r' ? "\"\r" : c == '\n' ? "\n\"" : std::string(1, c);
    }
    return out.substr(0, out.size() - 1);
}

// A pupil's 16 throws, as the program saved them (as-saved.csv), and as LibreOffice Calc 7.4
// saved them again after opening them (made once with: soffice --headless
//   --infilter="CSV:44,34,76,1" --convert-to
//   'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true' as-saved.csv
// giving a quoted header, LF line ends and "0.5" for "0.500"), and what other spreadsheets
// make of them: a byte-order mark, CRLF, every field quoted, empty lines at the end. Each
// reads back the same throws.
TEST(ThrowsCsv, ReadsBackWhatASpreadsheetSavedAgain) {
    const std::string saved = fixture("as-saved.csv");
    const std::string calc = fixture("libreoffice-resaved.csv");
    ASSERT_NE(calc, saved);
    const std::vector<std::pair<int, int>> faces = {{1, 3}, {2, 5}, {3, 3}, {6, 6}, {5, 1}, {4, 2},
                                                    {1, 1}, {2, 2}, {3, 6}, {5, 5}, {6, 1}, {1, 5},
                                                    {2, 3}, {4, 4}, {5, 3}, {6, 2}};
    const std::string bom = "\xEF\xBB\xBF";
    for (const std::string& text : {saved, calc, bom + replaced(calc, "\n", "\r\n"), quoted(saved),
                                    calc + "\n\n", bom + saved + "\r\n\r\n"}) {
        const auto read = experiment_core::readThrowsCsv(text, 16);
        ASSERT_TRUE(std::holds_alternative<std::vector<experiment_core::Faces>>(read)) << text;
        std::vector<std::pair<int, int>> got;
        for (const experiment_core::Faces& pair :
             std::get<std::vector<experiment_core::Faces>>(read)) {
            got.emplace_back(pair.large, pair.small);
        }
        EXPECT_EQ(got, faces) << text;
    }
}

// Each row breaks one rule once in the spreadsheet's file and is refused for it, on its line;
// the faces are the data, and every derived column must agree with them by value.
TEST(ThrowsCsv, RefusesEachValueThatDisagreesWithTheFaces) {
    const std::string calc = fixture("libreoffice-resaved.csv");
    const std::string header = calc.substr(0, calc.find('\n') + 1);
    const std::string row1 = "1,1,3,1,1,1\n";
    std::vector<std::tuple<std::string, What, int>> cases = {
        {replaced(calc, "\n3,3,3,1,2,", "\n3,3,3,0,2,"), What::Odd, 4},
        {replaced(calc, "\n7,1,1,1,4,", "\n7,1,1,1,5,"), What::OddSoFar, 8},
        {replaced(calc, "\n7,1,1,1,4,0.571", "\n7,1,1,1,4,0.57"), What::Ratio, 8},
        {replaced(calc, "\n2,2,5,0,1,0.5", "\n2,2,5,0,1,0.4999"), What::Fields, 3},
        {replaced(calc, "\n2,2,5,0,1,0.5", "\n2,2,5,0,1,0.5001"), What::Fields, 3},
        {replaced(calc, "\n2,2,5,0,1,0.5", "\n2,2,5,0,1,.5"), What::Fields, 3},
        {replaced(calc, "\n2,2,5,0,1,0.5", "\n2,2,5,0,1,0."), What::Fields, 3},
        {replaced(calc, "\n2,2,5,0,1,0.5", "\n2,2,5,0,1,2"), What::Fields, 3},
        {replaced(calc, "\n1,1,3,", "\n1,1x,3,"), What::Fields, 2},
        {replaced(calc, "\n1,1,3,", "\n1,1,3 ,"), What::Fields, 2},
        {replaced(calc, "\n1,1,3,", "\n1,\"1,3,"), What::Fields, 2},
        {replaced(calc, "\n1,1,3,", "\n1,1\"\",3,"), What::Fields, 2},
        {replaced(calc, "\n1,1,3,", "\n1,\"1\"x,3,"), What::Fields, 2},
        {header + row1 + "\n" + "2,2,5,0,1,0.5\n", What::Fields, 3},
        {header + "1,1,3,1,1,1,\n", What::Fields, 2},
        {header + "1,7,3,1,1,1\n", What::Face, 2},
        {header + "1,0,3,1,1,1\n", What::Face, 2},
        {header + "1,1,7,1,1,1\n", What::Face, 2},
        {header + "1,1,0,0,0,0\n", What::Face, 2},
        {header + "2,1,3,1,1,1\n", What::Number, 2},
        {header + "\n\n", What::NoThrows, 2},
        {replaced(header, "\"odd\"", "\"odd \""), What::NoHeader, 1},
        {"\xEF\xBB\xBF\xEF\xBB\xBF" + calc, What::NoHeader, 1},
        {calc, What::TooMany, 17}};
    // A character after the number, in each column in turn.
    for (std::size_t column = 0; column < 6; ++column) {
        std::string row = row1;
        cases.emplace_back(header + row.insert(row.find_first_of(",\n", column * 2), "x"),
                           What::Fields, 2);
    }
    for (const auto& [text, what, line] : cases) {
        const auto read = experiment_core::readThrowsCsv(text, 15);
        const auto* refused = std::get_if<experiment_core::CsvProblem>(&read);
        ASSERT_NE(refused, nullptr) << text;
        EXPECT_EQ(std::pair(refused->what, refused->line), std::pair(what, std::int64_t{line}))
            << text;
    }
}

}  // namespace
