#include "app/NoBoxHint.h"

NoBoxHint::NoBoxHint(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("m_noBoxHint"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setMargin(24);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    updateText();
}

void NoBoxHint::setAccessProblem(bool problem)
{
    if (problem == m_accessProblem)
        return;
    m_accessProblem = problem;
    updateText();
}

void NoBoxHint::updateText()
{
    QString text = QStringLiteral("<p style=\"font-size:large\"><b>%1</b></p><p>%2</p>")
                       .arg(tr("No voro-BOX found").toHtmlEscaped(),
                            tr("Connect a voro-BOX to a USB port of this computer with its USB "
                               "cable. It is found by itself and appears here a few seconds later.")
                                .toHtmlEscaped());
    if (m_accessProblem) {
        text += QStringLiteral("<p>%1</p>")
                    .arg(tr("A voro-BOX has been found but cannot be opened: the notice in the "
                            "status bar below says how to give this user access to it.")
                             .toHtmlEscaped());
    }
    setText(text);
}
