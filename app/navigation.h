#pragma once
// Moves between the three windows, the information messages, the memo
// switch and quitting. The main window's handlers call these:
//
//   TSatelliteForm::Button1Click       ("Version")    -> showStartWindow()
//   TSatelliteForm::ButtonWikiClick    ("Planètes")   -> showExtractWindow()
//   TSatelliteForm::LicenceClick       (" Infos RK4") -> showIntegratorCredit()
//   TSatelliteForm::Image3Click        (Image3)       -> showForceMessage()
//   TSatelliteForm::CheckBoxMemoClick  (CheckBoxMemo) -> switchMemo(*CheckBoxMemo, *Chart1, *Memo1)
//   TSatelliteForm::ButtonQuitterClick ("&Quitter")   -> quitProgram()
//   TSatelliteForm::fermeture          (closeEvent)   -> closeMainWindow(*this), event accepted
//
// The start window's "&Suite" and the end of its animation call
// showMainWindow(); the extract window's picture click hides it.
#include <QString>

class QAbstractButton;
class QWidget;

namespace gravitaria {

// Makes a window visible and brings it to the front; a window already
// visible is only brought to the front.
void bringToFront(QWidget& window);

// Shows SatelliteForm, then hides SplashForm.
void showMainWindow();

// Shows SplashForm in front of the main window, which stays shown.
void showStartWindow();

// Shows WikiForm.
void showExtractWindow();

// The integrator's credit: a plain message captioned "Gravitaria".
QString integratorCreditText();
void showIntegratorCredit();

// The encouragement box of the fourth "A propos" icon.
void showForceMessage();

// Run after CheckBoxMemo has changed its tick: the memo gets its working
// height of 433; the map shows when unticked, the memo when ticked.
void switchMemo(const QAbstractButton& checkBoxMemo, QWidget& chart1, QWidget& memo1);

// Asks the application to terminate: the event loop ends, then main()
// destroys every window and the program exits.
void quitProgram();

// The main window's close: takes its on-screen window down at once, then
// asks the application to terminate.
void closeMainWindow(QWidget& mainWindow);

}  // namespace gravitaria
