#pragma once

#include <QtGlobal>

// The web page's own texts (web/page/*.js, which lupdate cannot read), so that
// lupdate keeps them in the translation sources beside the windows' texts.
// The web build makes its catalog from those sources and fails when this
// list and the page's texts differ. Nothing includes this header.
namespace kelvane::page {
inline constexpr const char* kPageTexts[] = {
    QT_TRANSLATE_NOOP("Page", "Kelvane: Stirling engine simulators"),
    QT_TRANSLATE_NOOP("Page", "Two-piston"),
    QT_TRANSLATE_NOOP("Page", "%1 slider"),
    QT_TRANSLATE_NOOP("Page", "Up"),
    QT_TRANSLATE_NOOP("Page", "Down"),
    QT_TRANSLATE_NOOP("Page", "%1 up"),
    QT_TRANSLATE_NOOP("Page", "%1 down"),
    QT_TRANSLATE_NOOP("Page", "Double-click on a yellow box to sweep it (\"Super Graphs\")."),
    QT_TRANSLATE_NOOP("Page", "Print a one-page report"),
    QT_TRANSLATE_NOOP("Page", "Copy link"),
    QT_TRANSLATE_NOOP("Page", "A link that opens this engine with these values"),
    QT_TRANSLATE_NOOP("Page", "Link to this lesson"),
    QT_TRANSLATE_NOOP("Page", "Copy the link from the box below the buttons."),
    QT_TRANSLATE_NOOP("Page", "Sweep"),
    QT_TRANSLATE_NOOP("Page", "Sweeping…"),
    QT_TRANSLATE_NOOP("Page", "Not swept."),
    QT_TRANSLATE_NOOP("Page", "Done."),
    QT_TRANSLATE_NOOP("Page", "The link names no engine \"%1\": showing the first."),
    QT_TRANSLATE_NOOP("Page", "The link's %1 is not a field of the %2: ignored."),
    QT_TRANSLATE_NOOP("Page", "The link's %1 are not fields of the %2: ignored."),
    QT_TRANSLATE_NOOP("Page", "Yes"),
    QT_TRANSLATE_NOOP("Page", "No"),
    QT_TRANSLATE_NOOP("Page", "%1: crank angle"),
    QT_TRANSLATE_NOOP("Page", "Table"),
    QT_TRANSLATE_NOOP("Page", "Show the chart's numbers as a table"),
    QT_TRANSLATE_NOOP("Page", "Save this chart as %1"),
    QT_TRANSLATE_NOOP("Page", "%1, along %2."),
    QT_TRANSLATE_NOOP("Page", "%1: lowest %2 at %3, highest %4 at %5, mean %6."),
    QT_TRANSLATE_NOOP("Page", "No results yet."),
    QT_TRANSLATE_NOOP("Page", "Loading the engines…"),
};
} // namespace kelvane::page
