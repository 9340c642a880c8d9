#pragma once
// The encyclopedia-extract window: a picture of the table of the eight
// planets. A click on the picture or the close box hides it; it keeps its
// place between showings.
#include <QString>
#include <QWidget>

namespace gravitaria {

class TClickLabel;

// The host named in the caption, where such an extract would come from.
inline const QString kExtractHost = QStringLiteral("encyclopedie.example.org");

class TWikiForm : public QWidget {
    Q_OBJECT
public:
    explicit TWikiForm(QWidget* parent = nullptr);

    TClickLabel* Image1 = nullptr;

    // Click on the picture: hides the window.
    void Image1Click(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool shownOnce_ = false;
};

}  // namespace gravitaria
