#pragma once

#include <QFont>
#include <QPalette>

// How the model learns the look of the view that shows it, without knowing the view.
class IFontAccessor
{
public:
    virtual ~IFontAccessor() = default;
    virtual QFont font() const = 0;
    virtual QPalette palette() const = 0;
};
