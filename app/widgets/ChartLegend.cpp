#include "ChartLegend.h"

#include <algorithm>

namespace kelvane {

namespace {

// A legend entry that measures its text once per text, font and icon size:
// measuring shapes the text, and the legend is laid out at every replot.
class MeasuredLegendItem : public QCPPlottableLegendItem {
  public:
    using QCPPlottableLegendItem::QCPPlottableLegendItem;

    QSize minimumOuterSizeHint() const override {
        const QFont font = getFont();
        const QSize icon = mParentLegend->iconSize();
        const QMargins margins = this->margins();
        if (!measured_ || mPlottable->name() != name_ || font != font_ || icon != icon_ ||
            margins != margins_ || mParentLegend->iconTextPadding() != padding_) {
            size_ = QCPPlottableLegendItem::minimumOuterSizeHint();
            name_ = mPlottable->name();
            font_ = font;
            icon_ = icon;
            margins_ = margins;
            padding_ = mParentLegend->iconTextPadding();
            measured_ = true;
        }
        return size_;
    }

  private:
    mutable bool measured_ = false;
    mutable QSize size_, icon_;
    mutable QString name_;
    mutable QFont font_;
    mutable QMargins margins_;
    mutable int padding_ = 0;
};

} // namespace

ChartLegend::ChartLegend(QCustomPlot& plot, const TChartLegend& settings, int row,
                         const QFont& font)
    : plot_(plot), legend_(plot.legend), settings_(settings) {
    row_ = new QCPLayoutGrid;
    plot.plotLayout()->addElement(row, 0, row_);
    plot.plotLayout()->setRowStretchFactor(row, 0.001);
    row_->setMargins(QMargins(0, 0, 0, 4));
    row_->addElement(0, 0, legend_);
    legend_->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legend_->setWrap(8);
    legend_->setBorderPen(QPen(Qt::black));
    legend_->setFont(font);
    legend_->setMargins(QMargins(3, 1, 3, 1));
    row_->setFillOrder(QCPLayoutGrid::foColumnsFirst);
}

void ChartLegend::List(QCPAbstractPlottable* plottable, bool listed) {
    const bool inLegend = legend_->hasItemWithPlottable(plottable);
    if (listed && !inLegend)
        legend_->addItem(new MeasuredLegendItem(legend_, plottable));
    else if (!listed && inLegend)
        plottable->removeFromLegend();
}

void ChartLegend::Sync() {
    bool visible = settings_.Visible;
    legend_->setVisible(visible);
    if (visible)
        Fit();
    row_->setVisible(visible);
    // A hidden legend would still claim its row's height. A width bound set
    // here overrides the row's own, which an empty legend makes a few pixels
    // and which would then narrow the whole chart to that.
    constexpr int kAnyWidth = QWIDGETSIZE_MAX - 1;
    if (visible) {
        row_->setMinimumSize(0, 0);
        row_->setMaximumSize(kAnyWidth, QWIDGETSIZE_MAX);
        row_->setMargins(QMargins(0, 0, 0, 4));
    } else {
        row_->setMinimumSize(1, 1);
        row_->setMaximumSize(kAnyWidth, 1);
        row_->setMargins(QMargins());
    }
}

void ChartLegend::Fit() {
    const int symbol = settings_.SymbolWidth;
    const int items = legend_->itemCount();
    const int room = plot_.width() - legend_->margins().left() - legend_->margins().right() - 2;
    if (items == 0 || room <= 0 || (room == room_ && symbol == symbol_))
        return;
    room_ = room;
    symbol_ = symbol;
    // One row at the symbol width the chart asks for, when it fits; else
    // shorter symbols, down to a stub; else as many entries a row as fit.
    constexpr int kShortestSymbol = 14;
    legend_->setIconSize(symbol, 8);
    int texts = (items - 1) * legend_->columnSpacing(), widest = 0;
    for (int i = 0; i < items; ++i) {
        const int entry = legend_->item(i)->minimumOuterSizeHint().width() - symbol;
        texts += entry;
        widest = std::max(widest, entry);
    }
    const int fitting = (room - texts) / items;
    const int icon = std::clamp(fitting, kShortestSymbol, symbol);
    legend_->setIconSize(icon, 8);
    const int perRow = fitting >= kShortestSymbol
                           ? items
                           : std::max(1, (room + legend_->columnSpacing()) /
                                             (widest + icon + legend_->columnSpacing()));
    legend_->setWrap(perRow);
}

} // namespace kelvane
