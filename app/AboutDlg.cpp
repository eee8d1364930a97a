#include "app/AboutDlg.h"

#include "ui_AboutDlg.h"

#include "app/Version.h"
#include "device/AppSettings.h"
#include "firmware/BundledFirmware.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
// The year of the build date ("Mmm dd yyyy"), fixed when the program is compiled.
QString buildYear()
{
    return QString::fromLatin1(__DATE__).right(4);
}
} // namespace

AboutDlg::AboutDlg(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::AboutDlg)
{
    ui->setupUi(this);
    ui->m_title->setText(
        tr("%1 Configuration and Diagnostic Utility").arg(QLatin1String(Version::PRODUCT)));
    ui->m_text->setText(tr("Version: %1\nBundled Firmware: %2")
                            .arg(QLatin1String(Version::PROGRAM), bundledFirmwareVersion()));
    ui->m_link->setText(QStringLiteral("%1 <a href=\"%2\">%3</a>")
                            .arg(buildYear(), QLatin1String(Version::WEB_SITE),
                                 AppSettings::ORGANISATION.toHtmlEscaped()));
    ui->m_copyright->setText(QString());
    ui->m_logo->setPixmap(QPixmap(QStringLiteral(":/Images/image_logo.png")));
}

AboutDlg::~AboutDlg() = default;

QString AboutDlg::bundledFirmwareVersion()
{
    // In full, as the boxes report theirs: 1.1.2.17, not 1.1.2.
    return QString::fromLatin1(BundledFirmware::VERSION);
}

void AboutDlg::on_m_ok_clicked()
{
    accept();
}

void AboutDlg::on_m_link_linkActivated(const QString& link)
{
    QDesktopServices::openUrl(QUrl(link)); // the system's browser; the dialog stays open
}
