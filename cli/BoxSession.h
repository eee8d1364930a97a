#pragma once

#include "devicemanager/BoxSurvey.h"
#include "devicemanager/VoroManager.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

class Console;
class ConsoleDialogs;
struct Invocation;

// The boxes one call of the command line is for. First they are looked for on USB (BoxSurvey)
// and picked out as the user named them: by serial number (or its last six characters), by
// location or name as listed, or by position in the list; a name that fits two boxes is
// refused. Then a VoroManager opens the boxes picked and reads each until it is ready.
class BoxSession : public QObject
{
    Q_OBJECT

public:
    static constexpr int SURVEY_PAUSE_MS = 250;
    // A box that answered the survey is read in well under a second; one that drops on the way
    // comes back after the detector's block. This is how long it may take.
    static constexpr int READY_WAIT_MS = 15000;

    // One box picked, as the manager holds it once it is ready.
    struct Target
    {
        SurveyedBox found;
        VoroDevice::Id id = -1; // in the manager; -1 until it is ready, or when it never was
        // Why nothing can be done with it, for the user after its name ("did not answer.");
        // empty when something can.
        QString problem;
    };

    enum Pick {
        NAMED, // the boxes the invocation names
        ALL_BOXES, // --all: every box in normal operation
        ALL_BOXES_AND_BOOTLOADERS, // update --all
        ANYTHING, // list: whatever is attached
    };

    BoxSession(const Invocation& invocation, Console& console, QObject* parent = nullptr);
    ~BoxSession() override;

    // Looks until the boxes are there, surveying again every SURVEY_PAUSE_MS up to the
    // invocation's timeout (and while a box is there that does not answer yet); then found()
    // with 0, 2 (a name that fits several boxes: said) or 3 (nothing there, or a name that fits
    // nothing: said).
    void find(Pick pick, const QString& reference_version = QString());
    const QList<SurveyedBox>& attached() const { return survey_result; }
    const QList<SurveyedBox>& picked() const { return chosen; }

    // Opens the boxes picked (not the bootloaders) in a manager that asks nobody, and waits
    // until each is ready, or given up after READY_WAIT_MS; then opened().
    void open(VoroManager::FirmwareUpdates updates = VoroManager::WithoutUpdater);
    VoroManager* manager() const { return box_manager.get(); }
    QList<Target>& targets() { return chosen_targets; }
    // The target a manager id belongs to now (a box that came back has a new id).
    Target* target(VoroDevice::Id id);

    // Stops looking and waiting; nothing more is emitted.
    void stop();

    // The survey entries the BOX argument `wanted` names, as indexes into `entries` (position =
    // index + 1).
    static QList<int> matches(const QString& wanted, const QList<SurveyedBox>& entries);

signals:
    void found(int code);
    void opened();

private:
    void onSurveyed();
    void checkReady();
    void onReturned(VoroDevice::Id old_id, VoroDevice::Id new_id);

    const Invocation& invocation;
    Console& console;
    Pick pick_mode = NAMED;
    QString reference;
    std::unique_ptr<BoxSurvey> survey;
    QElapsedTimer looking;
    QTimer again;
    QList<SurveyedBox> survey_result;
    QList<SurveyedBox> chosen;
    std::unique_ptr<ConsoleDialogs> dialogs;
    std::unique_ptr<VoroManager> box_manager;
    QList<Target> chosen_targets;
    QTimer ready_check;
    QElapsedTimer opening;
    bool stopped = false;
};
