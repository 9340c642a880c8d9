#include "bilan_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gravitaria {

namespace {

const QColor kWarningRed(0xFF, 0x00, 0x00);

// A caption in rows packed without spacing: a capital's accent that rises
// above the font's ascent ("É", "À") gets the room it needs above the text.
QLabel* caption(const QString& text) {
    auto* l = new QLabel(text);
    const QFontMetrics fm(l->font());
    const int rise = -fm.tightBoundingRect(text).top() - fm.ascent();
    if (rise > 0) l->setContentsMargins(0, rise, 0, 0);
    return l;
}

QGridLayout* compactGrid(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 3);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    grid->setColumnStretch(1, 1);
    return grid;
}

}  // namespace

QLabel* TBilanPage::addRow(QGridLayout& grid, const QString& text) {
    const int row = grid.rowCount();
    grid.addWidget(gravitaria::caption(text), row, 0);
    auto* value = new QLabel(kNotApplicable);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid.addWidget(value, row, 1);
    return value;
}

TBilanPage::TBilanPage(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 3, 4, 3);
    page->setSpacing(3);

    GroupBoxPrevision = new QGroupBox(QStringLiteral("Prévision (conditions initiales)"));
    QGridLayout* p = compactGrid(GroupBoxPrevision);
    PrevDistance = addRow(*p, QStringLiteral("Distance r0"));
    PrevVitesse = addRow(*p, QStringLiteral("Vitesse v0"));
    PrevVitesseCirculaire = addRow(*p, QStringLiteral("Vitesse circulaire"));
    PrevVitesseLiberation = addRow(*p, QStringLiteral("Vitesse de libération"));
    PrevTrajectoire = addRow(*p, QStringLiteral("Trajectoire"));
    PrevDemiGrandAxe = addRow(*p, QStringLiteral("Demi-grand axe a"));
    PrevExcentricite = addRow(*p, QStringLiteral("Excentricité e"));
    PrevPerigee = addRow(*p, QStringLiteral("Périgée"));
    PrevApogee = addRow(*p, QStringLiteral("Apogée"));
    PrevPeriode = addRow(*p, QStringLiteral("Période T"));
    PrevDureeSurPeriode = addRow(*p, QStringLiteral("Durée de vol / T"));
    LabelRencontre = new QLabel(kMeetsAttractorWarning);
    QPalette red = LabelRencontre->palette();
    red.setColor(QPalette::WindowText, kWarningRed);
    LabelRencontre->setPalette(red);
    // The line keeps its room when hidden, so the page does not jump.
    QSizePolicy keep = LabelRencontre->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    LabelRencontre->setSizePolicy(keep);
    LabelRencontre->hide();
    p->addWidget(LabelRencontre, p->rowCount(), 0, 1, 2);
    page->addWidget(GroupBoxPrevision);

    GroupBoxDernierVol = new QGroupBox(QStringLiteral("Dernier vol"));
    QGridLayout* v = compactGrid(GroupBoxDernierVol);
    VolEchantillons = addRow(*v, QStringLiteral("Échantillons"));
    VolDistances = addRow(*v, QStringLiteral("Distance min / max"));
    VolPeriode = addRow(*v, QStringLiteral("Période mesurée"));
    VolDemiGrandAxe = addRow(*v, QStringLiteral("Demi-grand axe mesuré"));
    VolTroisiemeLoi = addRow(*v, QStringLiteral("T²/a³ mesuré"));
    VolConstante = addRow(*v, QStringLiteral("4π²/GM"));
    VolEcart = addRow(*v, QStringLiteral("Écart à 4π²/GM"));
    VolDeriveEnergie = addRow(*v, QStringLiteral("Dérive de l'énergie"));
    VolDeriveMoment = addRow(*v, QStringLiteral("Dérive du moment cinétique"));
    VolAires = addRow(*v, QStringLiteral("Aire balayée par pas (2e loi)"));
    // The energies: a small table, a column each for Ec, Ep and Em.
    auto* energies = new QGridLayout;
    energies->setHorizontalSpacing(6);
    energies->setVerticalSpacing(0);
    const QString titles[] = {QStringLiteral("Ec (J)"), QStringLiteral("Ep (J)"), QStringLiteral("Em (J)")};
    for (int c = 0; c < 3; ++c) {
        energies->addWidget(new QLabel(titles[c]), 0, c + 1, Qt::AlignRight);
        energies->setColumnStretch(c + 1, 1);
    }
    energies->addWidget(caption(QStringLiteral("Départ")), 1, 0);
    energies->addWidget(caption(QStringLiteral("Fin")), 2, 0);
    for (int c = 0; c < 3; ++c) {
        VolEnergiesDebut[static_cast<std::size_t>(c)] = new QLabel(kNotApplicable);
        VolEnergiesFin[static_cast<std::size_t>(c)] = new QLabel(kNotApplicable);
        energies->addWidget(VolEnergiesDebut[static_cast<std::size_t>(c)], 1, c + 1, Qt::AlignRight);
        energies->addWidget(VolEnergiesFin[static_cast<std::size_t>(c)], 2, c + 1, Qt::AlignRight);
    }
    v->addLayout(energies, v->rowCount(), 0, 1, 2);
    VolImpact = new QLabel;
    v->addWidget(VolImpact, v->rowCount(), 0, 1, 2);
    page->addWidget(GroupBoxDernierVol);

    // The switch of the map's areas and the flights window, on one line.
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    CheckBoxAires = new QCheckBox(QStringLiteral("Montrer les aires balayées (2e loi de Kepler)"));
    bottom->addWidget(CheckBoxAires);
    bottom->addStretch(1);
    ButtonBilanVols = new QPushButton(QStringLiteral("&Bilan des vols…"));
    ButtonBilanVols->setAutoDefault(true);
    bottom->addWidget(ButtonBilanVols);
    page->addLayout(bottom);
    page->addStretch(1);

    showLastFlight(emptyLastFlightTexts());
}

void TBilanPage::showPrediction(const PredictionTexts& t) {
    PrevDistance->setText(t.distance);
    PrevVitesse->setText(t.speed);
    PrevVitesseCirculaire->setText(t.circularSpeed);
    PrevVitesseLiberation->setText(t.escapeSpeed);
    PrevTrajectoire->setText(t.kind);
    PrevDemiGrandAxe->setText(t.semiMajorAxis);
    PrevExcentricite->setText(t.eccentricity);
    PrevPerigee->setText(t.perigee);
    PrevApogee->setText(t.apogee);
    PrevPeriode->setText(t.period);
    PrevDureeSurPeriode->setText(t.flightOverPeriod);
    LabelRencontre->setVisible(t.meetsAttractor);
}

void TBilanPage::showLastFlight(const LastFlightTexts& t) {
    VolEchantillons->setText(t.samples);
    VolDistances->setText(t.distances);
    VolPeriode->setText(t.period);
    VolDemiGrandAxe->setText(t.semiMajorAxis);
    VolTroisiemeLoi->setText(t.periodSquaredOverCube);
    VolConstante->setText(t.keplerConstant);
    VolEcart->setText(t.keplerGap);
    VolDeriveEnergie->setText(t.energyDrift);
    VolDeriveMoment->setText(t.momentumDrift);
    VolAires->setText(t.areaDeviation);
    for (std::size_t c = 0; c < 3; ++c) {
        VolEnergiesDebut[c]->setText(t.startEnergies[c]);
        VolEnergiesFin[c]->setText(t.endEnergies[c]);
    }
    VolImpact->setText(t.impact);
}

}  // namespace gravitaria
