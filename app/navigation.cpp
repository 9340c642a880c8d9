#include "navigation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

#include "error_report.h"
#include "platform.h"
#include "program_identity.h"
#include "program_windows.h"
#include "satellite_form.h"
#include "splash_form.h"
#include "wiki_form.h"

namespace gravitaria {

namespace {
// The memo's working height once the switch has run.
constexpr int kMemoHeight = 433;
}  // namespace

void bringToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void showMainWindow() {
    bringToFront(*SatelliteForm);
    SplashForm->hide();
}

void showStartWindow() { bringToFront(*SplashForm); }

void showExtractWindow() { bringToFront(*WikiForm); }

QString integratorCreditText() {
    return QStringLiteral(
               "This implementation of the Runge-Kutta method for solving Second Order Ordinary "
               "Differential Equations when inital values are known adapts two procedures from") +
           QStringLiteral(" the Classroom Numerical Methods Toolbox (1986).") + QStringLiteral("\r\n") +
           QStringLiteral("Adapted for Gravitaria by the physics and chemistry laboratory of the Lycée de l'") +
           kMakerName + QStringLiteral(".");
}

void showIntegratorCredit() { platform().showMessage(integratorCreditText(), kApplicationTitle); }

void showForceMessage() {
    platform().messageBox(QStringLiteral("Que la force soit avec toi pour ce TP. Mène à bien ton protocole !"),
                          QStringLiteral("Avertissement de la Force"), MessageIcon::Information);
}

void switchMemo(const QAbstractButton& checkBoxMemo, QWidget& chart1, QWidget& memo1) {
    memo1.resize(memo1.width(), kMemoHeight);
    const bool memoShown = checkBoxMemo.isChecked();
    chart1.setVisible(!memoShown);
    memo1.setVisible(memoShown);
}

void quitProgram() {
    // Ends every running event loop (a modal box's included); main() then
    // destroys the windows.
    QCoreApplication::exit(0);
}

void closeMainWindow(QWidget& mainWindow) {
    mainWindow.hide();
    quitProgram();
}

}  // namespace gravitaria
