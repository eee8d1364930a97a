// Plot output: the plot painted into any device, and copied to the clipboard as an image.
#include "logplot/Plot.h"

#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_layout.h>

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QFile>
#include <QGuiApplication>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

#include <algorithm>

void Plot::render(QPaintDevice* device, const QRectF& rect)
{
    auto* legend = qobject_cast<QwtLegend*>(this->legend());
    const QString style_sheet = styleSheet();
    QList<QPair<QPointer<QwtLegendLabel>, bool>> checked;
    if (legend) {
        for (QObject* child : legend->contentsWidget()->children()) {
            if (auto* label = qobject_cast<QwtLegendLabel*>(child)) {
                checked.append({ label, label->isChecked() });
                label->setChecked(false); // no entry is drawn pressed
            }
        }
    }
    const QwtPlot::LegendPosition legend_position = plotLayout()->legendPosition();
    const uint max_columns = legend ? legend->maxColumns() : 0;
    const QwtText plot_title = title();

    setStyleSheet(QString());
    QFile print_style(QStringLiteral(":/Styles/print.css"));
    const bool printed_style = print_style.open(QIODevice::ReadOnly);
    if (printed_style)
        setStyleSheet(QString::fromUtf8(print_style.readAll()));
    // Laid out anew after painting only where printing changed what the layout depends on.
    const bool relayout = printed_style || !style_sheet.isEmpty()
        || legend_position != QwtPlot::TopLegend || max_columns != 0 || !plot_title.isEmpty();
    plotLayout()->setLegendPosition(QwtPlot::TopLegend);
    if (legend)
        legend->setMaxColumns(0);
    setTitle(QString());
    updateLayout();
    updateGeometry();
    // entries of a log set a moment ago have no place in the legend until its layout runs
    if (legend && legend->contentsWidget()->layout())
        legend->contentsWidget()->layout()->activate();

    QPainter painter(device);
    painter.fillRect(rect, Qt::white);
    if (width() > 0 && height() > 0) {
        painter.translate(rect.topLeft());
        const double scale = std::min(rect.height() / height(), rect.width() / width());
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        QWidget::render(&painter, QPoint(), QRegion(),
                        QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.end();

    setStyleSheet(QString());
    setStyleSheet(style_sheet);
    for (const auto& entry : checked) {
        if (entry.first)
            entry.first->setChecked(entry.second);
    }
    plotLayout()->setLegendPosition(legend_position);
    if (legend)
        legend->setMaxColumns(max_columns);
    setTitle(plot_title);
    if (relayout)
        updateLayout();
}

void Plot::copyToClipboard()
{
    QScreen* screen = this->screen();
    const int number = QGuiApplication::screens().indexOf(screen);
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    const double logical = screen ? screen->logicalDotsPerInch() : 0.0;
    const double physical = screen ? screen->physicalDotsPerInch() : 0.0;
    qDebug("screen: %u, ratio: %f, logical DPI: %f, physical DPI: %f, width: %u, height: %u",
           unsigned(number), ratio, logical, physical, unsigned(width()), unsigned(height()));

    QPixmap pixmap(int(width() * ratio), int(height() * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    render(&pixmap, QRectF(0, 0, width(), height()));
    QApplication::clipboard()->setPixmap(pixmap, QClipboard::Clipboard);
}
