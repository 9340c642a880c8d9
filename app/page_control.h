#pragma once
// The main window's notebook. Its tabs take the style's own size while
// they all fit across the notebook; when that padding would push a tab out
// of sight behind scroll arrows, every tab takes the Windows metrics
// instead: its caption with about 6 pixels on each side.
#include <QTabBar>
#include <QTabWidget>

namespace gravitaria {

class TPageControlTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TPageControlTabBar(QWidget* parent = nullptr);

    // The caption's width plus this on each side, in compact tabs.
    static constexpr int kCaptionPadding = 6;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    // Compact tabs: the style's tab shapes, the captions drawn centred in
    // them without the style's padding.
    void paintEvent(QPaintEvent* event) override;

private:
    bool compact() const;
};

class TPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
};

}  // namespace gravitaria
