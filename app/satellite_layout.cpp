// The main window's controls with their layout values: geometry at 96 dpi,
// texts, fields' bounds, fonts and looks, stacking and tab order.
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include "bilan_page.h"
#include "click_label.h"
#include "chart.h"
#include "chart_setup.h"
#include "float_edit.h"
#include "fonts.h"
#include "group_box.h"
#include "memo_box.h"
#include "page_control.h"
#include "pictures.h"
#include "presets.h"
#include "radio_group.h"
#include "satellite_form.h"
#include "satellite_layout.h"
#include "spin_edit.h"
#include "text_label.h"
#include "track_bar.h"

namespace gravitaria {

namespace {

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kNavy(0x00, 0x00, 0x80);

// Keeps the labels flagged as auto-sized at the size of their text when the
// text changes; a right-aligned one keeps its right edge.
class LabelAutoSizer : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) {
            for (QLabel* label : watched->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
                if (label->property(kAutoSizeProperty).toBool()) fitLabel(label);
            }
        }
        return false;
    }
};

QLabel* label(QWidget* parent, const QString& text, int left, int top) {
    auto* l = new TLabel(text, parent);
    l->move(left, top);
    l->setProperty(kAutoSizeProperty, true);
    fitLabel(l);
    static QPointer<LabelAutoSizer> sizer;
    if (parent->property("gravitariaAutoSizer").toBool() == false) {
        if (sizer.isNull()) sizer = new LabelAutoSizer(qApp);
        parent->installEventFilter(sizer);
        parent->setProperty("gravitariaAutoSizer", true);
    }
    return l;
}

TLabel* fixedLabel(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    auto* l = new TLabel(text, parent);
    // The fonts here run a pixel or two wider than the ones the layout was
    // measured with: a caption never loses its last letter to that.
    width = std::max(width, l->fontMetrics().horizontalAdvance(text));
    l->setGeometry(left, top, width, height);
    return l;
}

// A label that wraps at its width and grows downwards as its text needs.
QLabel* wrappingLabel(QWidget* parent, const QString& text, int left, int top, int width,
                      int height) {
    auto* l = new TLabel(text, parent);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A box sized for one line keeps its text on one line: the fonts here
    // run a few pixels wider than the ones the layout was measured with.
    const int lineHeight = l->fontMetrics().height();
    if (height < 2 * lineHeight) {
        const int textWidth = l->fontMetrics().horizontalAdvance(text) + 2;
        const int room = parent->width() - left - 4;
        if (textWidth > width && textWidth <= room) width = textWidth;
    }
    l->setGeometry(left, top, width, std::max(height, l->heightForWidth(width)));
    return l;
}

QGroupBox* groupBox(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    auto* g = new TGroupBox(caption, parent);
    g->setGeometry(left, top, width, height);
    return g;
}

QPushButton* button(QWidget* parent, const QString& text, int left, int top, int width,
                    int height) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(left, top, width, height);
    // A focused button is clicked by Enter as well as by Space.
    b->setAutoDefault(true);
    return b;
}

// A check box whose caption stands to the left of its box.
QCheckBox* leftCaptionCheckBox(QWidget* parent, const QString& text, int left, int top,
                               int width, int height) {
    auto* c = new QCheckBox(text, parent);
    c->setLayoutDirection(Qt::RightToLeft);
    c->setGeometry(left, top, width, height);
    return c;
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

// Black background, Tahoma 15 px bold yellow.
void displayLook(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, kBlack);
    p.setColor(QPalette::Window, kBlack);
    p.setColor(QPalette::Text, kYellow);
    p.setColor(QPalette::WindowText, kYellow);
    p.setColor(QPalette::Highlight, kYellow);
    p.setColor(QPalette::HighlightedText, kBlack);
    w->setPalette(p);
    w->setFont(tahomaFont(15, true));
}

// Tahoma 11 px maroon, empty at start.
void readoutLook(QLabel* l) {
    l->setFont(tahomaFont(11));
    setTextColour(l, kMaroon);
    fitLabel(l);
}

TSpinEdit* spin(QWidget* parent, int value, int left, int top, int width, int height, int step,
                int minimum, int maximum) {
    auto* s = new TSpinEdit(parent);
    s->setGeometry(left, top, width, height);
    s->setMinValue(minimum);
    s->setMaxValue(maximum);
    s->setIncrement(step);
    s->setValue(value);
    return s;
}

// A 32 x 32 bullet picture stretched to its 41 x 41 box.
TClickLabel* bullet(QWidget* parent, AboutBullet which, int left, int top) {
    auto* image = new TClickLabel(parent);
    image->setPixmap(aboutBulletPixmap(which));
    image->setScaledContents(true);
    image->setGeometry(left, top, 41, 41);
    return image;
}

}  // namespace

void fitLabel(QLabel* l) {
    const QSize hint = l->sizeHint();
    if (l->alignment() & Qt::AlignRight) {
        const int right = l->geometry().right();
        l->setGeometry(right + 1 - hint.width(), l->y(), hint.width(), hint.height());
    } else {
        l->resize(hint);
    }
}

void TSatelliteForm::createControls() {
    setWindowTitle(QStringLiteral(
        "Simulation du mouvement des satellites - Attracteur en cours : Terre"));
    setFont(tahomaFont(11));
    resize(kClientWidth, kClientHeight);

    // Direct children, bottom of the stacking order first.
    Actions = groupBox(this, QStringLiteral("Actions"), 219, 440, 216, 120);
    Actions->setMaximumHeight(120);
    PageControl1 = new TPageControl(this);
    PageControl1->setGeometry(441, 3, 340, 422);
    GroupBox5 = groupBox(this, QStringLiteral("Informations de la position du curseur "), 8, 440,
                         205, 120);
    GroupBox5->setMaximumHeight(120);
    Memo1 = new TMemo(this);
    Memo1->setGeometry(0, 0, 785, 0);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setFont(tahomaFont(11));
    Memo1->hide();
    Chart1 = new TChart(this);
    Chart1->setGeometry(0, 0, 439, 425);
    const TrajectoryMapSeries map = setupTrajectoryMap(*Chart1);
    Series1 = &map.series1;
    Series2 = &map.series2;
    const ComparisonLineSeries lines = addComparisonLines(*Chart1);
    EulerLine = &lines.euler;
    SemiImplicitLine = &lines.semiImplicit;
    ReferenceLine = &lines.reference;
    Chart1->hide();
    Conditions = groupBox(this, QStringLiteral("Conditions initiales de lancement"), 441, 440,
                          335, 120);

    // Conditions: launch conditions (no bounds on these fields).
    NumX = spin(Conditions, -40000, 25, 22, 112, 28, 100, 0, 0);
    NumY = spin(Conditions, 30000, 188, 22, 112, 28, 100, 0, 0);
    Label2 = label(Conditions, QStringLiteral("X initial en km"), 24, 48);
    Label3 = label(Conditions, QStringLiteral("Y initial en km"), 188, 48);
    NumVox = spin(Conditions, 0, 25, 67, 112, 28, 100, 0, 0);
    NumVoy = spin(Conditions, 0, 185, 67, 112, 28, 100, 0, 0);
    Label4 = label(Conditions, QStringLiteral("Vitesse initiale Vox (m/s)"), 23, 96);
    Label5 = label(Conditions, QStringLiteral("Vitesse initiale Voy (m/s)"), 184, 96);
    for (TSpinEdit* s : {NumX, NumY, NumVox, NumVoy}) displayLook(s);

    // Actions: commands.
    ZoomMoins = button(Actions, QStringLiteral("-"), 7, 16, 25, 25);
    Label28 = fixedLabel(Actions, QStringLiteral("Zoom"), 39, 22, 26, 13);
    ZoomPlus = button(Actions, QStringLiteral("+"), 71, 16, 25, 25);
    ButtonEffacer = button(Actions, QStringLiteral("E&ffacer"), 111, 16, 89, 25);
    CheckBoxMemo = leftCaptionCheckBox(Actions, QStringLiteral("Afficher / masquer le &mémo "), 34,
                                       47, 161, 17);
    ButtonQuitter = button(Actions, QStringLiteral("&Quitter"), 7, 80, 89, 25);
    ButtonEuler = button(Actions, QStringLiteral("&Lancer"), 111, 80, 89, 25);

    // GroupBox5: pointer readout.
    Label1 = label(GroupBox5, QStringLiteral("Position du curseur sur la carte"), 5, 24);
    XEnCoursPos = label(GroupBox5, QString(), 7, 45);
    YEnCoursPos = label(GroupBox5, QString(), 119, 45);
    Label26 = label(GroupBox5, QStringLiteral("Distance R au centre / altitude h"), 5, 66);
    RpositionEnCours = label(GroupBox5, QString(), 7, 88);
    for (QLabel* l : {XEnCoursPos, YEnCoursPos, RpositionEnCours}) readoutLook(l);

    // The notebook's five pages, in order.
    TabSheet1 = new QWidget;
    TabSheet1->setContentsMargins(1, 1, 1, 1);
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    TabSheet4 = new QWidget;
    TabSheet5 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Système"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Chrono"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Affichage"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Vitesse"));
    PageControl1->addTab(TabSheet5, QStringLiteral("A propos"));

    createSystemPage();
    createChronoPage();
    createDisplayPage();
    createSpeedPage();
    createAboutPage();
    createBilanPage();
    PageControl1->setCurrentWidget(TabSheet2);
}

void TSatelliteForm::createSystemPage() {
    GroupBoxAttracteur = groupBox(TabSheet1,
                                  QStringLiteral("Choix de l'attracteur central et de sa masse"),
                                  8, 10, 321, 287);
    QStringList attractors;
    for (const QString& name : attractorNames()) attractors << name;
    attracteur = new TRadioGroup(QStringLiteral("Choix de l'attracteur central"), attractors,
                                 GroupBoxAttracteur);
    attracteur->setGeometry(22, 23, 281, 130);
    attracteur->setItemIndex(0);
    Label14 = label(GroupBoxAttracteur, QStringLiteral("Unité de distance :"), 24, 168);
    Label16 = label(GroupBoxAttracteur, QStringLiteral("km"), 136, 168);

    GroupBox2 = groupBox(GroupBoxAttracteur, QStringLiteral("Masse et Rayon de l'attracteur"), 22,
                         192, 279, 81);
    Label6 = label(GroupBox2, QStringLiteral("Masse (kg)"), 16, 24);
    NumMasseMantisse = new TFloatEdit(GroupBox2);
    NumMasseMantisse->setGeometry(8, 47, 33, 21);
    NumMasseMantisse->setDigits(2);
    NumMasseMantisse->setMin(1.0L);
    NumMasseMantisse->setMax(10.0L);
    NumMasseMantisse->setAdditionalDecimalSeparator(QLatin1Char('.'));
    NumMasseMantisse->setValue(6.0L);
    NumMasseMantisse->Loaded();
    Label20 = label(GroupBox2, QStringLiteral("x10"), 42, 51);
    NumMasseExp = spin(GroupBox2, 24, 62, 43, 37, 22, 1, 0, 40);
    NumMasseExp->setMaxLength(2);
    Label7 = label(GroupBox2, QStringLiteral("Rayon (km)"), 164, 24);
    NumRayon = spin(GroupBox2, 6380, 165, 50, 76, 22, 10, 10, 100000);

    GroupBox3 = groupBox(TabSheet1, QStringLiteral("Masse et Rayon du satellite"), 8, 304, 301, 81);
    Label8 = label(GroupBox3, QStringLiteral("Masse (kg)"), 32, 24);
    NumVide = spin(GroupBox3, 600, 33, 43, 73, 22, 1, 0, 0);
    Label18 = label(GroupBox3, QStringLiteral("Rayon (km)"), 188, 24);
    Label9 = wrappingLabel(GroupBox3, QStringLiteral("Assimilé à un point"), 188, 48, 88, 13);
}

void TSatelliteForm::createChronoPage() {
    GroupBoxChrono = groupBox(TabSheet2, QStringLiteral("Ajustement des durées "), 8, 8, 317, 377);
    Label11 = label(GroupBoxChrono, QStringLiteral("Durée de vol prévue (s)"), 16, 24);
    TempsDeVol = fixedLabel(GroupBoxChrono, QStringLiteral("TempsDeVol"), 209, 20, 92, 18);
    TempsDeVol->setAlignment(Qt::AlignRight | Qt::AlignTop);
    TempsDeVol->setFont(tahomaFont(15, true));
    TempsDeVol->setProperty(kAutoSizeProperty, true);
    fitLabel(TempsDeVol);
    Label10 = wrappingLabel(GroupBoxChrono, QStringLiteral("Durée effective du vol (s)"), 16, 61,
                            78, 26);
    TLabel* clock = fixedLabel(GroupBoxChrono, QStringLiteral("0"), 132, 52, 169, 38);
    clock->setShrinkToFit(true);
    NumLabTempsDeVol = clock;
    NumLabTempsDeVol->setAlignment(Qt::AlignRight | Qt::AlignTop);
    NumLabTempsDeVol->setAutoFillBackground(true);
    displayLook(NumLabTempsDeVol);
    NumLabTempsDeVol->setFont(tahomaFont(32, true));
    CheckImpact = leftCaptionCheckBox(GroupBoxChrono, QStringLiteral("Collision pendant le vol"),
                                      156, 96, 145, 17);
    Label12 = wrappingLabel(GroupBoxChrono,
                            QStringLiteral("Durée dt entre deux positions successives (s) "), 16,
                            127, 146, 26);
    NumDt = spin(GroupBoxChrono, 200, 196, 129, 105, 28, 1, 1, 864000);
    NumDt->setMaxLength(6);
    displayLook(NumDt);
    Label13 = wrappingLabel(GroupBoxChrono,
                            QStringLiteral("Nombre de positions calculées [100 .. 1000]"), 16, 167,
                            143, 26);
    NumNombrePoints = spin(GroupBoxChrono, 100, 196, 168, 105, 28, 100, 100, 1000);
    NumNombrePoints->setEditorEnabled(false);
    displayLook(NumNombrePoints);
    QStringList durations;
    for (const QString& name : durationNames()) durations << name;
    RadioGroup1 = new TRadioGroup(QStringLiteral("Ajuster la durée de vol prévue"), durations,
                                  GroupBoxChrono);
    RadioGroup1->setGeometry(16, 217, 285, 137);
    RadioGroup1->setItemIndex(kDurationUnadjusted);
}

void TSatelliteForm::createDisplayPage() {
    EchelleTemps = groupBox(TabSheet3, QStringLiteral("Options d'affichage "), 8, 8, 313, 213);
    Label21 = wrappingLabel(EchelleTemps,
                            QStringLiteral("Temporisation: Cette option  permet de ralentir le "
                                           "tracé  du mouvement dans le cas de processeurs trop "
                                           "rapides."),
                            16, 32, 271, 26);
    Label15 = wrappingLabel(EchelleTemps,
                            QStringLiteral("La temporisation peut être ajustée de 0 à 50 "
                                           "millisecondes entre deux points. Déplacer le curseur "
                                           "vers la droite pour augmenter la temporisation."),
                            16, 71, 281, 39);
    TrackTemporisation = new TTrackBar(0, 50, 5, EchelleTemps);
    TrackTemporisation->setGeometry(16, 117, 281, 40);
    TrackTemporisation->setPosition(0);
    Label19 = wrappingLabel(EchelleTemps,
                            QStringLiteral("Attention: l'affichage est fortement ralenti par la "
                                           "présence d'un grand nombre de courbes affichées "
                                           "simultanéments à l'écran."),
                            16, 162, 280, 39);
    Label19->setFont(tahomaFont(11));
    setTextColour(Label19, kNavy);
    // In the free band between the two group boxes, under the delay options.
    LabelEchap = label(TabSheet3, QStringLiteral("Échap interrompt un vol en cours."), 16, 222);

    GroupBox1 = groupBox(TabSheet3, QStringLiteral("Edition "), 8, 236, 313, 149);
    ButtonImprimer = button(GroupBox1, QStringLiteral("Im&primer"), 16, 28, 57, 25);
    Label17 = wrappingLabel(GroupBox1,
                            QStringLiteral("Imprimer directement et uniquement le graphe sur "
                                           "l'imprimante par défaut en mode pleine page."),
                            89, 23, 212, 39);
    Button2 = button(GroupBox1, QStringLiteral("&Copier"), 16, 68, 57, 25);
    label32 = wrappingLabel(GroupBox1,
                            QStringLiteral("Copier le graphe affiché vers le presse-papier de "
                                           "Windows. Le graphe peut être ensuite collé et ajusté "
                                           "dans un traitement de texte et faire partie d'un "
                                           "document composite."),
                            88, 68, 210, 65);
}

void TSatelliteForm::createSpeedPage() {
    GroupBox4 = groupBox(TabSheet4, QStringLiteral("Informations sur la vitesse "), 3, 8, 326, 383);
    Chart2 = new TChart(GroupBox4);
    Chart2->setGeometry(8, 12, 309, 368);
    const SpeedChartSeries speed = setupSpeedChart(*Chart2);
    Series3 = &speed.series3;
    Series4 = &speed.series4;
    Series5 = &speed.series5;
}

void TSatelliteForm::createAboutPage() {
    methode = new TRadioGroup(QStringLiteral("Méthode de calcul"),
                              {QStringLiteral("Euler - Méthode d'intégration basique "),
                               QStringLiteral("RK4 - Méthode Runge Kutta à 4  intermédiaires")},
                              TabSheet5);
    methode->setGeometry(8, 8, 305, 65);
    methode->setItemIndex(1);
    methode->setEnabled(false);
    Label23 = label(TabSheet5, QStringLiteral("Le simulateur fonctionne selon deux principes. "), 8,
                    88);
    Image1 = bullet(TabSheet5, AboutBullet::Newton, 8, 112);
    Label24 = wrappingLabel(TabSheet5,
                            QStringLiteral("1 ) La 2eme loi de Newton. Celle-ci  permet, "
                                           "connaissant les forces appliquées à un système, de "
                                           "calculer la variation de son vecteur vitesse."),
                            72, 112, 234, 39);
    Image2 = bullet(TabSheet5, AboutBullet::Steps, 8, 164);
    Label22 = wrappingLabel(TabSheet5,
                            QStringLiteral("2)  Une méthode numérique d'intégration. Elle permet de "
                                           "calculer la position suivante connaissant la position "
                                           "actuelle. La méthode choisie est ici la méthode de "
                                           "Runge-Kutta à quatre intermédiaires (RK4)."),
                            72, 170, 241, 65);
    Image4 = bullet(TabSheet5, AboutBullet::SolarSystem, 8, 220);
    Label25 = wrappingLabel(TabSheet5,
                            QStringLiteral("Le simulateur ne connait rien du système solaire mis à "
                                           "part les masses des différentes planètes. Il ne prend "
                                           "en compte que les interactions dites gravitationnelles. "
                                           "Toute autre interaction avec les atmosphères par "
                                           "exemple est négligée. "),
                            72, 256, 239, 65);
    Image3 = bullet(TabSheet5, AboutBullet::Star, 8, 277);
    ButtonWiki = button(TabSheet5, QStringLiteral("Planètes"), 72, 360, 65, 25);
    Licence = button(TabSheet5, QStringLiteral(" Infos RK4"), 160, 360, 65, 25);
    Button1 = button(TabSheet5, QStringLiteral("Version"), 248, 360, 65, 25);
}

void TSatelliteForm::buildTabOrder() {
    // Conditions (0), PageControl1 (1) with each page's controls, Actions
    // (2), GroupBox5 (3, nothing to focus), Memo1 (4), Chart1 (5).
    // A radio group's items stand together at its place; the group lets Tab
    // stop on its selected item only.
    const auto group = [](const TRadioGroup* g) { return g->tabChain(); };
    const std::vector<std::vector<QWidget*>> parts = {
        {NumX, NumY, NumVox, NumVoy, PageControl1},
        group(attracteur), {NumRayon, NumMasseExp, NumMasseMantisse, NumVide, NumDt, NumNombrePoints},
        group(RadioGroup1), {CheckImpact, TrackTemporisation, Button2, ButtonImprimer,
                             TabSheet6->CheckBoxAires, TabSheet6->ButtonBilanVols,
                             ButtonWiki, Licence, Button1},
        group(methode), {ButtonEuler, ButtonEffacer, ButtonQuitter, ZoomPlus, ZoomMoins,
                         CheckBoxMemo, Memo1, Chart1},
    };
    std::vector<QWidget*> chain;
    for (const auto& part : parts) chain.insert(chain.end(), part.begin(), part.end());
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void setClockColour(QLabel& clock, const QColor& colour) {
    QPalette p = clock.palette();
    p.setColor(QPalette::WindowText, colour);
    clock.setPalette(p);
}

}  // namespace gravitaria
