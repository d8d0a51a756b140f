#include "ChartCsv.h"

#include "ChartCurves.h"

#include <algorithm>

namespace kelvane {

namespace {

// Quoted only where the text would otherwise break the row.
std::string Cell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string TitleOf(const TLineSeries& s) {
    return s.Title.empty() ? s.Name : s.Title;
}

bool SameX(const std::vector<const TLineSeries*>& curves) {
    // Iterator forms: the web build's standard library lacks these ranges algorithms.
    const auto& first = curves.front()->XValues().Values();
    return std::all_of(curves.begin(), curves.end(), [&](const TLineSeries* s) {
        const auto& xs = s->XValues().Values();
        return std::equal(xs.begin(), xs.end(), first.begin(), first.end());
    });
}

} // namespace

std::string ChartCsv(const TChart& chart) {
    const std::vector<const TLineSeries*> curves = DataCurves(chart);
    std::string csv;
    auto endRow = [&csv] { csv += "\r\n"; };
    if (curves.empty())
        return csv;
    if (SameX(curves)) {
        csv += Cell(XTitle(chart));
        for (const TLineSeries* s : curves)
            csv += "," + Cell(TitleOf(*s));
        endRow();
        for (int i = 0; i < curves.front()->Count(); ++i) {
            csv += ShortestText(curves.front()->XValues()[i]);
            for (const TLineSeries* s : curves)
                csv += "," + ShortestText(s->YValues()[i]);
            endRow();
        }
        return csv;
    }
    int rows = 0;
    for (const TLineSeries* s : curves) {
        if (s != curves.front())
            csv += ",";
        csv += Cell(TitleOf(*s) + " x") + "," + Cell(TitleOf(*s) + " y");
        rows = std::max(rows, s->Count());
    }
    endRow();
    for (int i = 0; i < rows; ++i) {
        for (const TLineSeries* s : curves) {
            if (s != curves.front())
                csv += ",";
            if (i < s->Count())
                csv += ShortestText(s->XValues()[i]) + "," + ShortestText(s->YValues()[i]);
            else
                csv += ",";
        }
        endRow();
    }
    return csv;
}

} // namespace kelvane
