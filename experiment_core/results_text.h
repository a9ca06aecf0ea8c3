// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "experiment_core/class_tally.h"
#include "experiment_core/tally.h"

namespace experiment_core {

// The words of the table's corner and of the summary, as the window shows them, in the
// user's language.
struct SummaryWords {
    std::string corner;
    std::string count;
    std::string odd;
    std::string ratio;
};

// The 6x6 table with its headers, a blank line, then the count, the odd count and the ratio,
// as tab-separated lines: pasted into a spreadsheet, each value lands in a cell.
std::string resultsTabSeparated(const Tally& tally, const SummaryWords& words);

// The same as one HTML table, for office suites that keep the layout: the column headers and
// each row's first cell as headers, without the blank line.
std::string resultsHtml(const Tally& tally, const SummaryWords& words);

// One row per recorded experiment since the last reset: its number, the two faces, 1 if their
// product is odd, the odd products so far and the ratio after it as the window shows it.
// Comma-separated with a header row and CRLF line ends (RFC 4180).
std::string throwsCsv(const Tally& tally);

// The headers of the table of pupils, in the user's language.
struct PupilWords {
    std::string pupil;
    std::string experiments;
    std::string odd;
    std::string ratio;
};

// A class's results as the experiment window's, then a blank line and a row for each pupil.
std::string classTabSeparated(const ClassTally& tally, const SummaryWords& words,
                              const PupilWords& pupilWords);
// The same as two HTML tables: the class's, then the pupils'.
std::string classHtml(const ClassTally& tally, const SummaryWords& words,
                      const PupilWords& pupilWords);
// The pupils' table as CSV, a header row first, CRLF line ends (RFC 4180).
std::string pupilsCsv(const ClassTally& tally, const PupilWords& words);

}  // namespace experiment_core
