#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class QThread;

// A box or a bootloader found on USB, as BoxSurvey read it.
struct SurveyedBox
{
    enum State {
        READY, // speaks the program's protocol, with firmware as new as the reference
        OUTDATED, // firmware older than the reference: an update brings it on
        UNSUPPORTED, // firmware the program can neither work with nor update
        BOOTLOADER, // in its bootloader, waiting for firmware
        NO_ACCESS, // found, but its device node cannot be opened
        NOT_ANSWERING, // opened, but it did not tell its identity
    };

    State state = NOT_ANSWERING;
    QString serial_number;
    QString usb_path;
    QString location; // empty for a bootloader, or a box that did not answer
    QString firmware_version;
    int protocol_version = 0;

    bool isBootloader() const { return state == BOOTLOADER; }
    // "Lab 2 (3A0F21)"; a bootloader or a box that did not answer is "voro-BOX (3A0F21)".
    QString name() const;
    // "ready", "outdated", "unsupported", "bootloader", "no-access", "not-answering": what
    // scripts read, never translated.
    static QString stateKey(State state);
};

// What is attached, read at once: every box in normal operation answers its identity (protocol
// version, location, firmware version) in a thread of its own, all in parallel, and every box
// in its bootloader is listed as it is. The boxes are closed again at the end: not for use
// beside a VoroManager, whose connections would read the survey's answers.
class BoxSurvey : public QObject
{
    Q_OBJECT

public:
    // Boxes with firmware older than `reference_version` are OUTDATED (the firmware the
    // program carries, by default).
    explicit BoxSurvey(QObject* parent = nullptr, const QString& reference_version = QString());
    ~BoxSurvey() override;

    // Lists and reads what is attached now; finished follows, also when nothing is there.
    void start();
    bool isRunning() const { return running; }
    // Boxes in the order the window lists them (location, serial number, path), then
    // bootloaders by serial number and path.
    const QList<SurveyedBox>& boxes() const { return found; }

signals:
    void finished();

private:
    void onThreadFinished();
    void finish();
    SurveyedBox::State judge(const SurveyedBox& box) const;

    QString reference;
    bool running = false;
    std::vector<SurveyedBox> reading; // one per box, each written by its own thread only
    std::vector<QThread*> threads;
    int pending = 0;
    QList<SurveyedBox> found;
};
