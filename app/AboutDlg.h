#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDlg;
}

// Help → About: the program's name and version, the firmware version it brings along, the
// build year and the maker, whose name opens the maker's web site in the browser.
class AboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDlg(QWidget* parent = nullptr);
    ~AboutDlg() override;

    // The version of the firmware the program carries for updates, in full.
    static QString bundledFirmwareVersion();

private slots:
    void on_m_ok_clicked();
    void on_m_link_linkActivated(const QString& link);

private:
    std::unique_ptr<Ui::AboutDlg> ui;
};
