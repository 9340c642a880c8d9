#include "page_control.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace gravitaria {

TPageControlTabBar::TPageControlTabBar(QWidget* parent) : QTabBar(parent) {
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
}

bool TPageControlTabBar::compact() const {
    const QWidget* notebook = parentWidget();
    const int room = notebook ? notebook->width() : width();
    int total = 0;
    for (int i = 0; i < count(); ++i) total += QTabBar::tabSizeHint(i).width();
    return total > room;
}

QSize TPageControlTabBar::tabSizeHint(int index) const {
    const QSize styled = QTabBar::tabSizeHint(index);
    if (!compact()) return styled;
    return {fontMetrics().horizontalAdvance(tabText(index)) + 2 * kCaptionPadding, styled.height()};
}

QSize TPageControlTabBar::minimumTabSizeHint(int index) const { return tabSizeHint(index); }

void TPageControlTabBar::paintEvent(QPaintEvent* event) {
    if (!compact()) {
        QTabBar::paintEvent(event);
        return;
    }
    QStylePainter p(this);
    // The current tab last: its shape overlaps its neighbours'.
    const auto paintTab = [&](int i) {
        QStyleOptionTab tab;
        initStyleOption(&tab, i);
        p.drawControl(QStyle::CE_TabBarTabShape, tab);
        const QPalette::ColorRole role = isTabEnabled(i) ? QPalette::WindowText : QPalette::Dark;
        p.drawItemText(tab.rect, Qt::AlignCenter | Qt::TextShowMnemonic, tab.palette, isTabEnabled(i),
                       tab.text, role);
    };
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex()) paintTab(i);
    if (currentIndex() >= 0) paintTab(currentIndex());
}

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new TPageControlTabBar(this));
}

}  // namespace gravitaria
