#pragma once

#include "devicemanager/SettingsApply.h"

#include <QDialog>

class ComparisonTable;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class UserDialogs;
class VoroManager;

// Settings applied to many boxes: the source (a settings file or a box), whether the locations
// go too, a preview per box of the fields that would change, checked for every box before
// anything is written; then all boxes written at once, with a result per box.
class ApplyDialog : public QDialog
{
    Q_OBJECT

public:
    enum TargetColumn { BOX, CHANGES, RESULT };

    ApplyDialog(VoroManager* manager, UserDialogs* dialogs, const QList<VoroDevice::Id>& targets,
                QWidget* parent = nullptr);

    void setSourceFile(const QString& file);
    void setSourceBox(VoroDevice::Id id);
    void setWithLocations(bool on);
    SettingsApply* run() const { return m_run; }
    QTableWidget* targets() const { return m_targets; }
    // Why nothing can be written, or empty.
    QString problem() const;
    bool canApply() const;

public slots:
    void apply();

private:
    void chooseFile();
    void prepare();
    void showPreview();
    void onBoxFinished(const SettingsApply::Result& result);
    int rowOf(const QString& serial_number, VoroDevice::Id id) const;

    VoroManager* m_manager;
    UserDialogs* m_dialogs;
    QList<VoroDevice::Id> m_ids;
    SettingsApply* m_run;
    QString m_file;
    QComboBox* m_source;
    QPushButton* m_choose;
    QCheckBox* m_locations;
    QTableWidget* m_targets;
    ComparisonTable* m_preview;
    QLabel* m_problem;
    QPushButton* m_apply;
    bool m_started = false;
};
