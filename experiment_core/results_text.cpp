// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_text.h"

#include <vector>

#include "number_text.h"
#include "throws_csv.h"

namespace experiment {

namespace {

// The results as rows of cells: the table with its headers, an empty row, the summary.
std::vector<std::vector<std::string>> resultRows(const Tally& tally, const SummaryWords& words) {
    std::vector<std::vector<std::string>> rows{{words.corner}};
    for (int small = 1; small <= kFaces; ++small) {
        rows.front().push_back(std::to_string(small));
    }
    for (int large = 1; large <= kFaces; ++large) {
        rows.push_back({std::to_string(large)});
        for (int small = 1; small <= kFaces; ++small) {
            rows.back().push_back(counterText(tally.pairCount(large, small)));
        }
    }
    const ExperimentRecord& record = tally.record();
    rows.push_back({});
    rows.push_back({words.count, counterText(record.experimentCount)});
    rows.push_back({words.odd, counterText(record.oddCount)});
    rows.push_back({words.ratio, ratioText(record.oddCount, record.experimentCount)});
    return rows;
}

std::string escapeHtml(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        escaped += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    }
    return escaped;
}

}  // namespace

std::string resultsTabSeparated(const Tally& tally, const SummaryWords& words) {
    std::string text;
    for (const auto& row : resultRows(tally, words)) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += (i > 0 ? "\t" : "") + row[i];
        }
        text += "\n";
    }
    return text;
}

std::string resultsHtml(const Tally& tally, const SummaryWords& words) {
    // The first row holds the column headers, the first cell of every other row its row's.
    std::string html = "<meta charset=\"utf-8\">\n<table>\n";
    bool headerRow = true;
    for (const auto& row : resultRows(tally, words)) {
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

std::string throwsCsv(const Tally& tally) {
    std::string csv = std::string(kThrowsCsvHeader) + "\r\n";
    int number = 0;
    int oddBefore = 0;
    for (const Throw& pair : tally.throws()) {
        ++number;
        csv += std::to_string(number) + "," + std::to_string(pair.large) + "," +
               std::to_string(pair.small) + "," + (pair.oddSoFar > oddBefore ? "1" : "0") + "," +
               std::to_string(pair.oddSoFar) + "," + ratioText(pair.oddSoFar, number) + "\r\n";
        oddBefore = pair.oddSoFar;
    }
    return csv;
}

}  // namespace experiment
