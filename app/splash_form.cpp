#include "splash_form.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "click_label.h"
#include "error_report.h"
#include "fonts.h"
#include "navigation.h"
#include "pictures.h"
#include "platform.h"
#include "program_identity.h"
#include "text_label.h"
#include "window_placement.h"

namespace gravitaria {

namespace {

// The maker's town and postal address, shown under the title.
const QString kMakerTown = QStringLiteral("Valmorency");
const QString kMakerPostalAddress = QStringLiteral("12 rue des Comètes, 99000 Valmorency");

QLabel* autoLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new TLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A label that wraps at its width and grows downwards as its text needs.
QLabel* wrappingLabel(QWidget* parent, const QString& text, const QRect& box) {
    auto* label = new TLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(box);
    label->resize(box.width(), std::max(box.height(), label->heightForWidth(box.width())));
    return label;
}

TClickLabel* linkLabel(QWidget* parent, const QString& text, int left, int top, bool underlined) {
    auto* label = new TClickLabel(parent);
    label->setText(text);
    styleAsLink(*label, underlined);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// The titles end this far inside the window's right edge.
constexpr int kTitleRightEdge = 594 - 6;

void setBoldFont(QLabel* label, int pixels) {
    label->setFont(tahomaFont(pixels, true));
    label->adjustSize();
}

// A bold title that keeps inside the window: its font is made smaller, a
// pixel at a time, while the text would run past `rightEdge`.
void setBoldTitleFont(QLabel* label, int pixels, int rightEdge) {
    for (int size = pixels; size >= pixels / 2; --size) {
        setBoldFont(label, size);
        if (label->x() + label->width() <= rightEdge) return;
    }
}

}  // namespace

TSplashForm::TSplashForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Simulation du mouvement des satellites"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(594, 394);
    setFont(tahomaFont(11));
    QPalette faces = palette();
    faces.setColor(QPalette::Window, faces.color(QPalette::Button));
    setPalette(faces);
    setAutoFillBackground(true);
    createControls();
    bindEvents();
}

void TSplashForm::createControls() {
    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(telescopePhoto()));
    Image1->move(20, 16);
    Image1->adjustSize();
    Image1->setToolTip(QStringLiteral(
        "Le télescope spatial Vigie en orbite au-dessus de la Terre - illustration du laboratoire %1")
                           .arg(kMakerName));

    Label1 = autoLabel(this, kProgramName, 242, 16);
    setBoldTitleFont(Label1, 72, kTitleRightEdge);
    Label2 = autoLabel(this, QStringLiteral("Lycée de l'") + kMakerName, 242, 96);
    setBoldTitleFont(Label2, 43, kTitleRightEdge);

    Image2 = new TClickLabel(this);
    Image2->setPixmap(applicationIconPixmap());
    Image2->setScaledContents(true);
    Image2->setGeometry(246, 161, 35, 33);
    Image2->setToolTip(QStringLiteral("Clic and ... wachiiiid !"));

    Label9 = autoLabel(this, kMakerTown, 315, 170);
    setBoldFont(Label9, 13);
    LblVersion = autoLabel(this, QStringLiteral("Version %1 XP").arg(kProgramVersion), 414, 170);
    setBoldFont(LblVersion, 13);
    Label6 = wrappingLabel(this,
                           QStringLiteral("Laboratoire de sciences physiques et chimiques  -  Lycée de l'") +
                               kMakerName + QStringLiteral("  -  ") + kMakerPostalAddress,
                           QRect(315, 192, 242, 26));

    Label8 = autoLabel(this, QStringLiteral("Informations en ligne :"), 20, 240);
    Wikipedia = linkLabel(this, QStringLiteral("Le sytème solaire"), 134, 240, true);
    Label4 = wrappingLabel(this,
                           QStringLiteral("Logiciel libre de droits pour les travaux pratiques de physique."),
                           QRect(315, 241, 205, 26));
    Label3 = autoLabel(this, QStringLiteral("Aide et mise à jour:"), 35, 280);
    LblWeb = linkLabel(this, kHelpSiteText, 134, 280, true);
    Label5 = wrappingLabel(this, QString(), QRect(315, 280, 227, 39));
    Label7 = autoLabel(this, QStringLiteral("Contact :"), 83, 306);
    LblMail = linkLabel(this, kContactAddress, 134, 306, false);

    Button1 = new QPushButton(QStringLiteral("&Suite"), this);
    Button1->setGeometry(502, 361, 73, 25);
    // Return and Enter press the focused button, as the space bar does.
    Button1->setAutoDefault(true);
    Button1->setFocus();
}

void TSplashForm::bindEvents() {
    connect(Button1, &QPushButton::clicked, this, [this] { runHandler([this] { Button1Click(Button1); }); });
    connect(Image2, &TClickLabel::clicked, this, [this] { runHandler([this] { Image2Click(Image2); }); });
    connect(Wikipedia, &TClickLabel::clicked, this, [this] { runHandler([this] { Frwiki(Wikipedia); }); });
    connect(LblWeb, &TClickLabel::clicked, this, [this] { runHandler([this] { LblQuenderel(LblWeb); }); });
    connect(LblMail, &TClickLabel::clicked, this, [this] { runHandler([this] { LblMailClick(LblMail); }); });
}

void TSplashForm::Button1Click(QObject* /*Sender*/) { showMainWindow(); }

void TSplashForm::Image2Click(QObject* Sender) {
    // The icon drops, then climbs, moving right a little more each round,
    // until it has left the window. Nothing else is handled meanwhile.
    for (int i = 0; Image2->x() < kFlightEndLeft; ++i) {
        const long double a = i * kFlightAngleStep;
        const int dy = static_cast<int>(10 * std::cos(a));
        const QRect before = Image2->geometry();
        Image2->move(Image2->x(), Image2->y() + dy);
        Image2->move(Image2->x() + i, Image2->y());
        repaint(before.united(Image2->geometry()));
        platform().sleepMs(kFlightPauseMs);
    }
    Button1Click(Sender);
}

void TSplashForm::Frwiki(QObject* /*Sender*/) { platform().openUrl(kSolarSystemArticleUrl, QString()); }

void TSplashForm::LblQuenderel(QObject* /*Sender*/) { platform().openUrl(kHelpPageUrl, QString()); }

void TSplashForm::LblMailClick(QObject* /*Sender*/) {
    platform().openUrl(kContactMailUrl, QStringLiteral("open"));
}

void TSplashForm::showEvent(QShowEvent* event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        centreOnScreen(*this);
    }
    QWidget::showEvent(event);
}

void TSplashForm::closeEvent(QCloseEvent* event) {
    // The application's main window: closing it ends the program, whatever
    // else is open.
    event->accept();
    quitProgram();
}

}  // namespace gravitaria
