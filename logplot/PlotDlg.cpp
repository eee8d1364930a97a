#include "logplot/PlotDlg.h"

#include "logplot/Plot.h"
#include "ui_PlotDlg.h"

PlotDlg::PlotDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::PlotDlg)
{
    ui->setupUi(this);
    hide();
}

PlotDlg::~PlotDlg()
{
    delete ui;
}

Plot* PlotDlg::plot() const
{
    return ui->m_plot;
}

QString PlotDlg::heading() const
{
    return ui->m_title->text();
}

void PlotDlg::showLog(int actuatorIndex, const QString& text, const LogData& data)
{
    ui->m_plot->setData(data);
    ui->m_title->setText(ui->m_plot->dateRangeText());
    QString title = text;
    if (actuatorIndex >= 0) {
        title = tr("Actuator %1").arg(actuatorIndex + 1);
        if (!text.isEmpty())
            title += QStringLiteral(" - ") + text;
    }
    setWindowTitle(title);
    show();
}
