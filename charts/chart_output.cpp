// The chart's outputs besides the screen: one printed page on the default
// printer and a bitmap on the clipboard. Both are one complete drawing.
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "chart.h"
#include "chart_buffers.h"
#include "errors.h"

namespace gravitaria {

QRect printRectangle(int pageWidth, int pageHeight, const TPrintMargins& m, bool proportional,
                     QSize chartSize) {
    const auto part = [](int percent, int length) {
        return static_cast<int>(std::lround(static_cast<double>(percent) * length / 100.0));
    };
    const int left = part(m.Left, pageWidth);
    const int right = pageWidth - part(m.Right, pageWidth);
    const int top = part(m.Top, pageHeight);
    const int bottom = pageHeight - part(m.Bottom, pageHeight);
    QRect r(left, top, std::max(0, right - left), std::max(0, bottom - top));
    if (!proportional || chartSize.isEmpty() || r.isEmpty()) return r;
    // Shrink the longer side about the centre to the chart's aspect ratio.
    const double chartAspect = static_cast<double>(chartSize.width()) / chartSize.height();
    const double rectAspect = static_cast<double>(r.width()) / r.height();
    if (rectAspect > chartAspect) {
        const int w = static_cast<int>(std::lround(r.height() * chartAspect));
        r = QRect(r.left() + (r.width() - w) / 2, r.top(), w, r.height());
    } else {
        const int h = static_cast<int>(std::lround(r.width() / chartAspect));
        r = QRect(r.left(), r.top() + (r.height() - h) / 2, r.width(), h);
    }
    return r;
}

void TChart::Print() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw GeneralError("Aucune imprimante par défaut n'est installée : impression impossible");
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(objectName());
    const QSize chartSize = size().expandedTo(QSize(1, 1));
    const QRect target = printRectangle(printer.width(), printer.height(), PrintMargins,
                                        PrintProportional, chartSize);
    const std::string failed =
        "L'impression sur « " + info.printerName().toStdString() + " » a échoué";
    // A trial drawing first, on a bitmap: a drawing that fails must leave no
    // job behind, and a started job cannot be withdrawn on every system.
    try {
        QImage trial = makeChartBuffer(chartSize, 1.0, QImage::Format_RGB32);
        QPainter t(&trial);
        draw(t, chartSize, SeriesSource::Buffered);
    } catch (...) {
        Invalidate();
        Repaint();
        throw;
    }
    QPainter p;
    if (!p.begin(&printer)) {
        Invalidate();
        Repaint();
        throw GeneralError(failed);
    }
    try {
        p.translate(target.topLeft());
        p.scale(static_cast<double>(target.width()) / chartSize.width(),
                static_cast<double>(target.height()) / chartSize.height());
        draw(p, chartSize, SeriesSource::Direct);
    } catch (...) {
        printer.abort();
        p.end();
        Invalidate();
        Repaint();
        throw;
    }
    const bool ended = p.end();
    Invalidate();
    Repaint();
    if (!ended || printer.printerState() == QPrinter::Error) throw GeneralError(failed);
}

void TChart::CopyToClipboardBitmap() {
    QImage image = makeChartBuffer(size(), 1.0, QImage::Format_RGB32);
    {
        QPainter p(&image);
        draw(p, image.size(), SeriesSource::Buffered);
    }
    QGuiApplication::clipboard()->setImage(image);
    Invalidate();
    Repaint();
}

}  // namespace gravitaria
