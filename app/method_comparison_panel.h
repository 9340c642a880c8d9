#pragma once
// "Comparer les méthodes": the start conditions a run would read, integrated
// by explicit Euler, semi-implicit Euler, the program's RK4 and a reference,
// drawn as lines on the map (a check box each shows or hides them), measured
// in a table, summed up in a sentence and copied as TAB text.
#include <QWidget>
#include <optional>

#include "method_comparison.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace gravitaria {

class TLineSeries;
class TSatelliteForm;

class TMethodComparisonPanel : public QWidget {
    Q_OBJECT
public:
    explicit TMethodComparisonPanel(TSatelliteForm& form, QWidget* parent = nullptr);

    QPushButton* ButtonComparer = nullptr;     // "Comparer les &méthodes"
    QCheckBox* CheckEuler = nullptr;           // "Euler" (red line)
    QCheckBox* CheckSemiImplicit = nullptr;    // "Euler semi-implicite" (blue line)
    QCheckBox* CheckReference = nullptr;       // "Référence" (green line)
    QTableWidget* Table = nullptr;             // one row per method
    QLabel* Summary = nullptr;                 // what the numbers show
    QPushButton* ButtonCopier = nullptr;       // "Copier la &comparaison"

    // Handlers.
    void ComparerClick();
    void CopierClick();
    // The comparison shown, if any.
    const std::optional<MethodComparison>& comparison() const { return comparison_; }

private:
    void showComparison();
    // Columns to their contents, the height to the header and four rows.
    void fitTable();
    void clearComparison();
    void bindLine(QCheckBox* box, TLineSeries* line);

    TSatelliteForm& form_;
    std::optional<MethodComparison> comparison_;
};

}  // namespace gravitaria
