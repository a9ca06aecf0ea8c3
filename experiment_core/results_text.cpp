// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_core/results_text.h"

#include <string_view>
#include <vector>

#include "experiment_core/number_text.h"
#include "experiment_core/throws_csv.h"

namespace experiment_core {

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The table of face pairs with its headers, an empty row, the three values.
template <typename Results>
Rows resultRows(const Results& results, std::int64_t count, std::int64_t odd,
                const SummaryWords& words) {
    Rows rows{{words.corner}};
    for (int small = 1; small <= kFaces; ++small) {
        rows.front().push_back(std::to_string(small));
    }
    for (int large = 1; large <= kFaces; ++large) {
        rows.push_back({std::to_string(large)});
        for (int small = 1; small <= kFaces; ++small) {
            rows.back().push_back(counterText(results.pairCount(large, small)));
        }
    }
    rows.push_back({});
    rows.push_back({words.count, counterText(count)});
    rows.push_back({words.odd, counterText(odd)});
    rows.push_back({words.ratio, ratioText(odd, count)});
    return rows;
}

// Each pupil's values under the columns' headers.
Rows pupilRows(const ClassTally& tally, const PupilWords& words) {
    Rows rows{{words.pupil, words.experiments, words.odd, words.ratio}};
    for (const Pupil& pupil : tally.pupils()) {
        rows.push_back({pupil.name, counterText(pupil.experiments), counterText(pupil.oddCount),
                        ratioText(pupil.oddCount, pupil.experiments)});
    }
    return rows;
}

std::string tabSeparated(const Rows& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += (i > 0 ? "\t" : "") + row[i];
        }
        text += "\n";
    }
    return text;
}

std::string escapeHtml(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    }
    return escaped;
}

// One HTML table: the first row holds the column headers, the first cell of every other row
// its row's; empty rows are left out.
std::string htmlTable(const Rows& rows) {
    std::string html = "<table>\n";
    bool headerRow = true;
    for (const auto& row : rows) {
        if (row.empty()) {
            continue;
        }
        html += "<tr>";
        for (std::size_t i = 0; i < row.size(); ++i) {
            const bool header = headerRow || i == 0;
            html += std::string(header ? (headerRow ? "<th scope=\"col\">" : "<th scope=\"row\">")
                                       : "<td>") +
                    escapeHtml(row[i]) + (header ? "</th>" : "</td>");
        }
        html += "</tr>\n";
        headerRow = false;
    }
    return html + "</table>\n";
}

constexpr std::string_view kHtmlStart = "<meta charset=\"utf-8\">\n";

// A CSV field, quoted where it holds a comma, a quote or a line end (RFC 4180).
std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

}  // namespace

std::string resultsTabSeparated(const Tally& tally, const SummaryWords& words) {
    const ExperimentRecord& record = tally.record();
    return tabSeparated(resultRows(tally, record.experimentCount, record.oddCount, words));
}

std::string resultsHtml(const Tally& tally, const SummaryWords& words) {
    const ExperimentRecord& record = tally.record();
    return std::string(kHtmlStart) +
           htmlTable(resultRows(tally, record.experimentCount, record.oddCount, words));
}

std::string classTabSeparated(const ClassTally& tally, const SummaryWords& words,
                              const PupilWords& pupilWords) {
    return tabSeparated(resultRows(tally, tally.experimentCount(), tally.oddCount(), words)) +
           "\n" + tabSeparated(pupilRows(tally, pupilWords));
}

std::string classHtml(const ClassTally& tally, const SummaryWords& words,
                      const PupilWords& pupilWords) {
    return std::string(kHtmlStart) +
           htmlTable(resultRows(tally, tally.experimentCount(), tally.oddCount(), words)) +
           htmlTable(pupilRows(tally, pupilWords));
}

std::string pupilsCsv(const ClassTally& tally, const PupilWords& words) {
    std::string csv;
    for (const auto& row : pupilRows(tally, words)) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            csv += (i > 0 ? "," : "") + csvField(row[i]);
        }
        csv += "\r\n";
    }
    return csv;
}

std::string throwsCsv(const Tally& tally) {
    std::string csv = std::string(kThrowsCsvHeader) + "\r\n";
    int number = 0;
    for (const Throw& pair : tally.throws()) {
        ++number;
        csv += std::to_string(number) + "," + std::to_string(pair.large) + "," +
               std::to_string(pair.small) + "," + (isOddPair(pair.large, pair.small) ? "1" : "0") +
               "," + std::to_string(pair.oddSoFar) + "," + ratioText(pair.oddSoFar, number) +
               "\r\n";
    }
    return csv;
}

}  // namespace experiment_core
