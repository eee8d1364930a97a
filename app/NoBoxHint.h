#pragma once

#include <QLabel>

// What the window shows, centred, while no box is listed: that none was found and how to
// connect one; and, when a box is seen on USB but cannot be opened, that the notice in the
// status bar says how to give this user access to it.
class NoBoxHint : public QLabel
{
    Q_OBJECT

public:
    explicit NoBoxHint(QWidget* parent = nullptr);

    void setAccessProblem(bool problem);
    bool accessProblem() const { return m_accessProblem; }

private:
    void updateText();

    bool m_accessProblem = false;
};
