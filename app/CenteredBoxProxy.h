#pragma once

#include <QProxyStyle>

// The application style: draws (and hit-tests) the check box of an item-view cell where the
// model's check-alignment role asks for it, which centres the Active check boxes of the
// actuator table. Views whose models give no such value are unaffected.
class CenteredBoxProxy : public QProxyStyle
{
    Q_OBJECT

public:
    CenteredBoxProxy();

    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
};
