#include "CaptionFit.h"

#include <QCheckBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <vector>

namespace kelvane {

namespace {

constexpr char kOtherCaptions[] = "kelvaneOtherCaptions";
// Room kept between a caption and its button's frame, and between two
// buttons a row squeezes together.
constexpr int kPadding = 1;
constexpr int kLeastGap = 3;

// The width a button or box needs for its widest caption.
int NeededWidth(QAbstractButton* b) {
    QStringList captions = b->property(kOtherCaptions).toStringList();
    captions << b->text();
    int widest = 0;
    for (const QString& caption : captions) {
        if (auto* push = qobject_cast<QPushButton*>(b)) {
            // What the style takes for the frame, beside the caption.
            QStyleOptionButton option;
            option.initFrom(push);
            option.text = caption;
            const int frame =
                push->width() -
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
            widest =
                std::max(widest, push->fontMetrics().size(Qt::TextShowMnemonic, caption).width() +
                                     frame + 2 * kPadding);
        } else {
            const QString kept = b->text();
            b->setText(caption);
            widest = std::max(widest, b->sizeHint().width());
            b->setText(kept);
        }
    }
    return widest;
}

void FitRow(std::vector<QAbstractButton*>& row, int rightEdge) {
    std::sort(row.begin(), row.end(),
              [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    std::vector<QRect> places;
    std::vector<int> gaps; // before each, as designed, at most kLeastGap
    bool changed = false;
    for (QAbstractButton* b : row) {
        QRect g = b->geometry();
        gaps.push_back(places.empty()
                           ? 0
                           : std::clamp(g.left() - row[places.size() - 1]->geometry().right() - 1,
                                        0, kLeastGap));
        const int need = NeededWidth(b);
        if (need > g.width()) {
            g.setWidth(need);
            changed = true;
        }
        // Pushed right by the one before, if that grew into it.
        if (!places.empty())
            g.moveLeft(std::max(g.left(), places.back().right() + 1 + gaps.back()));
        places.push_back(g);
    }
    if (!changed)
        return;
    // Back inside the parent from the right, each keeping its gap.
    int limit = rightEdge;
    for (std::size_t i = places.size(); i-- > 0;) {
        if (places[i].right() > limit)
            places[i].moveRight(limit);
        limit = places[i].left() - 1 - gaps[i];
    }
    const int overshoot = std::max(0, -places.front().left());
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i]->setGeometry(places[i].translated(overshoot, 0));
}

} // namespace

void FitCaptions(QWidget* container) {
    // Rows: buttons and boxes of one parent whose tops are (nearly) level.
    QMap<QWidget*, std::vector<std::vector<QAbstractButton*>>> rows;
    for (QAbstractButton* b : container->findChildren<QAbstractButton*>()) {
        if (b->isHidden() || (!qobject_cast<QPushButton*>(b) && !qobject_cast<QCheckBox*>(b)))
            continue;
        auto& parentRows = rows[b->parentWidget()];
        auto row = std::find_if(parentRows.begin(), parentRows.end(), [b](const auto& r) {
            return std::abs(r.front()->y() - b->y()) <= 3;
        });
        if (row == parentRows.end())
            parentRows.push_back({b});
        else
            row->push_back(b);
    }
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        for (auto& row : it.value())
            FitRow(row, it.key()->width() - 1);
    }
    // A label grows about its middle, as its caption is mostly centred over
    // or beside what it names.
    for (QLabel* l : container->findChildren<QLabel*>()) {
        if (l->isHidden() || l->wordWrap() || l->text().isEmpty())
            continue;
        const QSize need = l->sizeHint();
        if (need.width() <= l->width())
            continue;
        QRect g = l->geometry();
        g.setLeft(std::max(0, g.left() - (need.width() - g.width()) / 2));
        g.setWidth(need.width());
        l->setGeometry(g);
    }
}

void SetOtherCaptions(QAbstractButton* button, const QStringList& captions) {
    button->setProperty(kOtherCaptions, captions);
}

} // namespace kelvane
