#pragma once

#include "foundations/WindowPlacement.h"
#include "shell/FrameWidgets.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <span>
#include <utility>

namespace kelvane {

class ParameterTable;

// What differs between the three simulator windows that share this frame.
struct FrameTraits {
    // documents starts the names of the help and tutorial pages: "X" gives
    // "X Help.HTM" and "X Tutorial.HTM" (the engine's catalog row has it).
    FrameTraits(QString caption, const QString& documents, QPoint designedPlacement,
                const WindowPlacement::Keys& placement, const ParameterTable& parameters,
                std::span<const FrameButtonPlace> buttons)
        : caption(std::move(caption)), designedPlacement(designedPlacement), placement(&placement),
          parameters(&parameters), helpDocument(documents + " Help.HTM"),
          tutorDocument(documents + " Tutorial.HTM"), buttons(buttons) {}

    QString caption;
    QPoint designedPlacement;
    // Wide enough to show both grid columns whole.
    QSize designSize{860, 555};
    // Placement section and its key spellings.
    const WindowPlacement::Keys* placement = nullptr;
    const ParameterTable* parameters = nullptr;
    QString helpDocument;
    QString tutorDocument;
    int chart5Height = 250;
    int topBandHeight = 185;
    int inputPanelWidth = 488;
    int pictureWidth = 182;
    int gridRows = 12;
    // Creation sets both grid columns 85 pixels wide (not in the two-piston window).
    bool fixedGridColumns = true;
    // Centred at showing while the settings file holds no place for it.
    bool centreOnShow = false;
    // The frame's buttons, in the order they are made.
    std::span<const FrameButtonPlace> buttons;
};

} // namespace kelvane
