#include "app/CenteredBoxProxy.h"

#include "app/ActuatorModel.h"

#include <QStyleOptionViewItem>

CenteredBoxProxy::CenteredBoxProxy()
    : QProxyStyle()
{ }

QRect CenteredBoxProxy::subElementRect(SubElement element, const QStyleOption* option,
                                       const QWidget* widget) const
{
    QRect r = QProxyStyle::subElementRect(element, option, widget);
    if (element != SE_ItemViewItemCheckIndicator)
        return r;
    const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
    if (!item)
        return r;
    const QVariant alignment = item->index.data(ActuatorModel::CheckAlignmentRole);
    if (alignment.isNull())
        return r;

    const int flags = alignment.toInt() & 0xff;
    const int ox1 = item->rect.left();
    const int ox2 = item->rect.right();
    if (flags & Qt::AlignLeft)
        return r;
    if (flags & Qt::AlignRight)
        r.moveRight(ox2 - (r.left() - ox1)); // mirror the base style's gap to the left edge
    else if (flags & Qt::AlignHCenter)
        r.moveLeft(ox1 + (ox2 - ox1 + 1) / 2 - r.width() / 2);
    return r;
}
