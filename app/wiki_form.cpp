#include "wiki_form.h"

#include "click_label.h"
#include "error_report.h"
#include "fonts.h"
#include "pictures.h"
#include "window_placement.h"

namespace gravitaria {

TWikiForm::TWikiForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("extrait de ") + kExtractHost);
    setFont(tahomaFont(11));
    Image1 = new TClickLabel(this);
    Image1->setPixmap(QPixmap::fromImage(planetTablePicture()));
    Image1->move(0, 0);
    Image1->adjustSize();
    Image1->setToolTip(QStringLiteral("Cliquer pour faire disparaître."));
    // The window sizes itself to the picture.
    setFixedSize(Image1->size());
    connect(Image1, &TClickLabel::clicked, this, [this] { runHandler([this] { Image1Click(Image1); }); });
}

void TWikiForm::Image1Click(QObject* /*Sender*/) { hide(); }

void TWikiForm::showEvent(QShowEvent* event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        centreOnScreen(*this);
    }
    QWidget::showEvent(event);
}

}  // namespace gravitaria
