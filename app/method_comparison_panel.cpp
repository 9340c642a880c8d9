#include "method_comparison_panel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstdlib>

#include "chart.h"
#include "chart_setup.h"
#include "error_report.h"
#include "locale_separators.h"
#include "satellite_form.h"

namespace gravitaria {

namespace {

QCheckBox* lineBox(QWidget* parent, const char* text, const QColor& colour) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setChecked(true);
    QPalette p = box->palette();
    p.setColor(QPalette::WindowText, colour);
    box->setPalette(p);
    return box;
}

// A long column header broken at the blank nearest its middle, so the
// columns stay as narrow as their numbers.
QString headerOnTwoLines(const QString& text) {
    if (text.size() < 12) return text;
    int best = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' ') &&
            (best < 0 || std::abs(i - text.size() / 2) < std::abs(best - text.size() / 2)))
            best = i;
    }
    if (best < 0) return text;
    QString out = text;
    out[best] = QLatin1Char('\n');
    return out;
}

// The method's line: what the map shows, km, in time order.
void fillLine(TLineSeries& line, const MethodTrajectory& t) {
    line.Clear();
    for (const FlightSample& s : t.samples) {
        line.AddXY(static_cast<double>(static_cast<long double>(s.x) / 1000),
                   static_cast<double>(static_cast<long double>(s.y) / 1000));
    }
}

}  // namespace

TMethodComparisonPanel::TMethodComparisonPanel(TSatelliteForm& form, QWidget* parent)
    : QWidget(parent), form_(form) {
    ButtonComparer = new QPushButton(QStringLiteral("Comparer les &méthodes"), this);
    CheckEuler = lineBox(this, methodName(ComparedMethod::Euler), kEulerLine);
    CheckSemiImplicit = lineBox(this, methodName(ComparedMethod::SemiImplicitEuler), kSemiImplicitLine);
    CheckReference = lineBox(this, methodName(ComparedMethod::Reference), kReferenceLine);
    ButtonCopier = new QPushButton(QStringLiteral("Copier la &comparaison"), this);
    ButtonCopier->setEnabled(false);

    Table = new QTableWidget(static_cast<int>(ComparedMethodCount),
                             static_cast<int>(ComparisonHeaders.size()), this);
    QStringList headers;
    for (const char* h : ComparisonHeaders) headers << headerOnTwoLines(QString::fromUtf8(h));
    Table->setHorizontalHeaderLabels(headers);
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setFocusPolicy(Qt::NoFocus);
    Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->setWordWrap(false);
    for (ComparedMethod m : ComparedMethods) {
        auto* name = new QTableWidgetItem(QString::fromUtf8(methodName(m)));
        Table->setItem(static_cast<int>(m), 0, name);
    }
    fitTable();

    Summary = new QLabel(this);
    Summary->setWordWrap(true);
    Summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonComparer);
    buttons->addSpacing(8);
    for (QCheckBox* b : {CheckEuler, CheckSemiImplicit, CheckReference}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(ButtonCopier);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(Table);
    layout->addWidget(Summary);
    layout->addStretch(1);

    connect(ButtonComparer, &QPushButton::clicked, this, [this] { runHandler([this] { ComparerClick(); }); });
    connect(ButtonCopier, &QPushButton::clicked, this, [this] { runHandler([this] { CopierClick(); }); });
    bindLine(CheckEuler, form_.EulerLine);
    bindLine(CheckSemiImplicit, form_.SemiImplicitLine);
    bindLine(CheckReference, form_.ReferenceLine);
    connect(&form_, &TSatelliteForm::mapCleared, this, [this] { clearComparison(); });
}

void TMethodComparisonPanel::bindLine(QCheckBox* box, TLineSeries* line) {
    line->SetActive(box->isChecked());
    connect(box, &QCheckBox::toggled, this, [line](bool on) { line->SetActive(on); });
}

void TMethodComparisonPanel::fitTable() {
    Table->resizeColumnsToContents();
    Table->resizeRowsToContents();
    int height = Table->horizontalHeader()->height() + 2 * Table->frameWidth();
    for (int r = 0; r < Table->rowCount(); ++r) height += Table->rowHeight(r);
    if (Table->horizontalScrollBar()->isVisible()) height += Table->horizontalScrollBar()->height();
    Table->setFixedHeight(height);
}

void TMethodComparisonPanel::ComparerClick() {
    // The table and the lines go first: a comparison that fails leaves
    // nothing of the previous one that could be taken for its result.
    clearComparison();
    comparison_ = compareMethods(form_.orbit, form_.runInputs());
    if (comparison_->error == 0) {
        fillLine(*form_.EulerLine, comparison_->trajectory(ComparedMethod::Euler));
        fillLine(*form_.SemiImplicitLine, comparison_->trajectory(ComparedMethod::SemiImplicitEuler));
        fillLine(*form_.ReferenceLine, comparison_->trajectory(ComparedMethod::Reference));
    }
    showComparison();
}

void TMethodComparisonPanel::CopierClick() {
    if (!comparison_ || comparison_->error != 0) return;
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(comparisonText(*comparison_, systemSeparators())));
}

void TMethodComparisonPanel::showComparison() {
    const NumberSeparators seps = systemSeparators();
    const bool compared = comparison_ && comparison_->error == 0;
    for (ComparedMethod m : ComparedMethods) {
        const int row = static_cast<int>(m);
        std::array<std::string, 8> cells{};
        if (compared) cells = comparisonCells(*comparison_, m, true, seps);
        for (int col = 1; col < Table->columnCount(); ++col) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[static_cast<std::size_t>(col)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(row, col, item);
        }
    }
    fitTable();
    Summary->setText(comparison_ ? QString::fromStdString(comparisonSummary(*comparison_, seps))
                                 : QString());
    ButtonCopier->setEnabled(compared);
}

void TMethodComparisonPanel::clearComparison() {
    comparison_.reset();
    for (TLineSeries* line : {form_.EulerLine, form_.SemiImplicitLine, form_.ReferenceLine}) {
        line->Clear();
    }
    showComparison();
}

}  // namespace gravitaria
