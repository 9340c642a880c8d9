#pragma once
// The notebook's sixth page "Bilan": the orbit foreseen from the start
// conditions, the measures of the last flight, the swept-areas switch of
// the map and the button of the flights window. The page only shows texts;
// the main window computes them (satellite_bilan.cpp).
#include <QWidget>
#include <array>

#include "flight_report.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace gravitaria {

class TBilanPage : public QWidget {
    Q_OBJECT
public:
    explicit TBilanPage(QWidget* parent = nullptr);

    QGroupBox* GroupBoxPrevision = nullptr;   // "Prévision (conditions initiales)"
    QLabel* PrevDistance = nullptr;
    QLabel* PrevVitesse = nullptr;
    QLabel* PrevVitesseCirculaire = nullptr;
    QLabel* PrevVitesseLiberation = nullptr;
    QLabel* PrevTrajectoire = nullptr;
    QLabel* PrevDemiGrandAxe = nullptr;
    QLabel* PrevExcentricite = nullptr;
    QLabel* PrevPerigee = nullptr;
    QLabel* PrevApogee = nullptr;
    QLabel* PrevPeriode = nullptr;
    QLabel* PrevDureeSurPeriode = nullptr;
    QLabel* LabelRencontre = nullptr;         // red: "La trajectoire rencontre l'astre."

    QGroupBox* GroupBoxDernierVol = nullptr;  // "Dernier vol"
    QLabel* VolEchantillons = nullptr;
    QLabel* VolDistances = nullptr;
    QLabel* VolPeriode = nullptr;
    QLabel* VolDemiGrandAxe = nullptr;
    QLabel* VolTroisiemeLoi = nullptr;
    QLabel* VolConstante = nullptr;
    QLabel* VolEcart = nullptr;
    QLabel* VolDeriveEnergie = nullptr;
    QLabel* VolDeriveMoment = nullptr;
    QLabel* VolAires = nullptr;
    // Ec, Ep, Em (J) at the start and at the end of the flight.
    std::array<QLabel*, 3> VolEnergiesDebut{};
    std::array<QLabel*, 3> VolEnergiesFin{};
    QLabel* VolImpact = nullptr;

    QCheckBox* CheckBoxAires = nullptr;       // "Montrer les aires balayées (2e loi de Kepler)"
    QPushButton* ButtonBilanVols = nullptr;   // "&Bilan des vols…"

    void showPrediction(const PredictionTexts& t);
    void showLastFlight(const LastFlightTexts& t);

private:
    QLabel* addRow(QGridLayout& grid, const QString& text);
};

}  // namespace gravitaria
