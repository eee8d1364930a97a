#pragma once

#include <QColor>
#include <QComboBox>

#include <functional>

// Editor for colour values: the named colours with swatches, plus "Custom", which asks for
// any other colour.
class ColorCombo : public QComboBox
{
    Q_OBJECT

public:
    // Asks the user for a colour, starting at `initial`; an invalid colour means cancelled.
    using ColorChooser = std::function<QColor(const QColor& initial, QWidget* parent)>;

    // Without a chooser, "Custom" opens the standard colour dialog.
    explicit ColorCombo(QWidget* parent = nullptr, ColorChooser chooser = {});

    QColor color() const;
    void setColor(const QColor& color);

private slots:
    void currentChanged(int index);

private:
    static constexpr int CUSTOM_ITEM = 1024; // Qt::UserRole data of the "Custom" item

    int indexOf(const QColor& color) const;
    int appendColor(const QColor& color);

    QColor m_color;
    ColorChooser m_chooser;
};
