#pragma once

#include "firmware/BoxUpdate.h"

#include <QDialog>
#include <QMap>

class FirmwareUpdateController;
class QCloseEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class QWidget;
class UpdateItemView;

// The window's view of the firmware updates: a modal dialog with one row per box, which
// shows itself when a box's update begins and stays until the user closes it once every row
// has its result. It cannot be closed, nor hidden by Escape, while an update runs. All the work
// is the controller's.
class FirmwareUpdater : public QDialog
{
    Q_OBJECT

public:
    explicit FirmwareUpdater(FirmwareUpdateController* controller, QWidget* parent = nullptr);

    QList<UpdateItemView*> rows() const { return items.values(); }
    UpdateItemView* row(const QString& key) const { return items.value(key); }
    QString imageText() const;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onBoxChanged(const BoxUpdate& box);

private:
    void buildForm();
    void updateImage();
    // Closing forgets the results shown.
    void dismiss();

    FirmwareUpdateController* controller;
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* m_image = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* scrollAreaWidgetContents = nullptr;
    QVBoxLayout* verticalLayout_3 = nullptr;
    QVBoxLayout* m_scroll_layout = nullptr;
    QPushButton* m_close = nullptr;
    QMap<QString, UpdateItemView*> items;
};
