#pragma once
// The start window: the program's title, its links, the flying icon and the
// "&Suite" button that hands over to the main window. It is the
// application's main window: closing it ends the program.
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace gravitaria {

class TClickLabel;

// The addresses behind the three links.
inline const QString kSolarSystemArticleUrl =
    QStringLiteral("https://fr.wikipedia.org/wiki/Syst%C3%A8me_solaire");
inline const QString kHelpSiteText = QStringLiteral("brumadel.example.org/aide");
inline const QString kHelpPageUrl = QStringLiteral("https://brumadel.example.org/aide/gravitaria/");
inline const QString kContactAddress = QStringLiteral("contact@brumadel.example.org");
inline const QString kContactMailUrl = QStringLiteral("mailto:contact@brumadel.example.org?subject=gravitaria");

// The flying icon's move: the constant of the angle, the pause between two
// rounds and the left edge at which the flight stops.
inline constexpr long double kFlightAngleStep = 0.1256L;
inline constexpr int kFlightPauseMs = 25;
inline constexpr int kFlightEndLeft = 600;

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TClickLabel* Image2 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* LblVersion = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label8 = nullptr;
    TClickLabel* Wikipedia = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    TClickLabel* LblWeb = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    TClickLabel* LblMail = nullptr;
    QPushButton* Button1 = nullptr;

    // "&Suite": shows the main window, then hides this one.
    void Button1Click(QObject* Sender);
    // The flying icon: the launch animation, then the same as "&Suite".
    void Image2Click(QObject* Sender);
    // The three links.
    void Frwiki(QObject* Sender);
    void LblQuenderel(QObject* Sender);
    void LblMailClick(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void bindEvents();

    bool shownOnce_ = false;
};

}  // namespace gravitaria
