#pragma once

#include "logdata/LogData.h"

#include <QDialog>

namespace Ui {
class PlotDlg;
}
class Plot;

// The window in which the user looks at one actuator log: the dates it covers above the plot.
// Not modal; the main window keeps one and shows every new log in it.
class PlotDlg : public QDialog
{
    Q_OBJECT

public:
    explicit PlotDlg(QWidget* parent = nullptr);
    ~PlotDlg() override;

    // actuatorIndex < 0: a log from a file, `text` is its path; otherwise `text` is the
    // actuator's location.
    void showLog(int actuatorIndex, const QString& text, const LogData& data);

    Plot* plot() const;
    QString heading() const;

private:
    Ui::PlotDlg* ui;
};
