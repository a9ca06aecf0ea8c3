// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

namespace experiment_core {

// A pair of faces, large then small, as a file of throws gives it back.
struct Faces {
    std::int16_t large;
    std::int16_t small;
};

// Why a file of throws was refused: what is wrong, and on which line (1: the header).
struct CsvProblem {
    enum class What {
        NoHeader,  // the first line is not the header the program writes
        NoThrows,  // there is no row after the header
        Fields,    // a row is not five whole numbers and a ratio
        Number,    // a row's number is not the one after the row before
        Face,      // a face outside 1 to 6
        Odd,       // "odd" disagrees with the faces
        OddSoFar,  // "odd_so_far" disagrees with the rows so far
        Ratio,     // "ratio" disagrees with the rows so far
        TooMany    // more rows than the experiment count can hold
    };
    What what;
    std::int64_t line;
};

// The header of a file of throws, as the program writes it, and its columns.
inline constexpr std::string_view kThrowsCsvHeader = "experiment,large,small,odd,odd_so_far,ratio";
inline constexpr std::string_view kThrowsCsvColumns[] = {"experiment", "large",      "small",
                                                         "odd",        "odd_so_far", "ratio"};

// Reads the throws back from a file the program wrote ("Save throws as CSV"), also after a
// spreadsheet opened and saved it again: a UTF-8 byte-order mark, quoted fields, CRLF or LF
// line ends, empty lines at the end and a ratio without its trailing zeros ("0.5") are
// accepted. The faces are the data: every other column must agree with them and the rows
// before (the ratio to its rounding); a value that disagrees is refused, never recomputed.
// At most `room` rows are taken.
std::variant<std::vector<Faces>, CsvProblem> readThrowsCsv(std::string_view text,
                                                           std::int64_t room);

}  // namespace experiment_core
