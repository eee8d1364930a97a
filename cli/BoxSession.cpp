#include "cli/BoxSession.h"

#include "cli/Console.h"
#include "cli/ConsoleDialogs.h"
#include "cli/Invocation.h"
#include "records/BoxName.h"

namespace {
bool waitsForAnswer(const QList<SurveyedBox>& boxes)
{
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const SurveyedBox& b) { return b.state == SurveyedBox::NOT_ANSWERING; });
}

QString names(const QList<SurveyedBox>& entries, const QList<int>& indexes)
{
    QStringList out;
    for (const int i : indexes)
        out << entries.at(i).name();
    return out.join(QStringLiteral(", "));
}
} // namespace

BoxSession::BoxSession(const Invocation& invocation, Console& console, QObject* parent)
    : QObject(parent)
    , invocation(invocation)
    , console(console)
{
    again.setSingleShot(true);
    connect(&again, &QTimer::timeout, this, [this] { survey->start(); });
    connect(&ready_check, &QTimer::timeout, this, &BoxSession::checkReady);
}

BoxSession::~BoxSession()
{
    // The manager first: it ends the boxes' threads while its dialogs still exist.
    box_manager.reset();
}

QList<int> BoxSession::matches(const QString& wanted, const QList<SurveyedBox>& entries)
{
    const QString s = wanted.trimmed();
    bool numeric = false;
    const int position = s.toInt(&numeric);
    const auto same = [&](const QString& text) {
        return !text.isEmpty() && s.compare(text, Qt::CaseInsensitive) == 0;
    };
    QList<int> hits;
    for (int i = 0; i < entries.size(); ++i) {
        const SurveyedBox& e = entries.at(i);
        const bool short_id = s.size() == BoxName::SHORT_ID_LENGTH && !e.serial_number.isEmpty()
            && same(BoxName::shortId(e.serial_number, e.usb_path));
        if (same(e.serial_number) || short_id || (numeric && position == i + 1) || same(e.location)
            || same(e.name()) || s == e.usb_path)
            hits << i;
    }
    return hits;
}

void BoxSession::find(Pick pick, const QString& reference_version)
{
    pick_mode = pick;
    reference = reference_version;
    survey = std::make_unique<BoxSurvey>(nullptr, reference);
    connect(survey.get(), &BoxSurvey::finished, this, &BoxSession::onSurveyed);
    looking.start();
    survey->start();
}

void BoxSession::onSurveyed()
{
    if (stopped)
        return;
    survey_result = survey->boxes();
    const bool timed_out = invocation.timeout_ms == 0 || looking.hasExpired(invocation.timeout_ms);
    chosen.clear();
    QStringList unmatched;
    if (pick_mode == NAMED) {
        for (const QString& wanted : invocation.boxes) {
            const QList<int> hits = matches(wanted, survey_result);
            if (hits.size() > 1) {
                console.message(QStringLiteral("'%1' names %2 boxes: %3. Name one by its serial "
                                               "number or its position in the list.")
                                    .arg(wanted)
                                    .arg(hits.size())
                                    .arg(names(survey_result, hits)));
                emit found(2);
                return;
            }
            if (hits.isEmpty()) {
                unmatched << wanted;
                continue;
            }
            const SurveyedBox& hit = survey_result.at(hits.first());
            const bool twice = std::any_of(chosen.begin(), chosen.end(), [&](const SurveyedBox& c) {
                return c.usb_path == hit.usb_path;
            });
            if (!twice)
                chosen << hit;
        }
    } else {
        for (const SurveyedBox& b : qAsConst(survey_result)) {
            if (pick_mode != ALL_BOXES || !b.isBootloader())
                chosen << b;
        }
    }
    // A box that is still starting may be the one named, and belongs to --all.
    const bool complete
        = pick_mode == NAMED ? unmatched.isEmpty() : !chosen.isEmpty() && !waitsForAnswer(chosen);
    if (complete || (timed_out && !chosen.isEmpty() && pick_mode != NAMED)) {
        emit found(0);
        return;
    }
    if (!timed_out) {
        if (invocation.timeout_ms > 0)
            console.progress(QStringLiteral("Looking for boxes..."));
        again.start(SURVEY_PAUSE_MS);
        return;
    }
    if (pick_mode == NAMED)
        console.message(QStringLiteral("No box matches %1.")
                            .arg(QLatin1Char('\'') + unmatched.join(QStringLiteral("', '"))
                                 + QLatin1Char('\'')));
    else
        console.message(QStringLiteral("No voro-BOX is attached."));
    emit found(3);
}

void BoxSession::open(VoroManager::FirmwareUpdates updates)
{
    dialogs = std::make_unique<ConsoleDialogs>(console);
    box_manager = std::make_unique<VoroManager>(nullptr, dialogs.get(), updates);
    box_manager->setFirmwareQuestions(false);
    connect(box_manager.get(), &VoroManager::deviceDetected, this, &BoxSession::checkReady);
    connect(box_manager.get(), &VoroManager::deviceReturned, this, &BoxSession::onReturned);
    chosen_targets.clear();
    for (const SurveyedBox& b : qAsConst(chosen)) {
        Target t;
        t.found = b;
        if (b.state == SurveyedBox::NO_ACCESS)
            t.problem = QStringLiteral("cannot be opened: this user may not use its device "
                                       "node. Install the package (its udev rule), then plug "
                                       "the box in again.");
        else if (b.isBootloader())
            t.problem = QStringLiteral("is in its bootloader; voro-box update brings it back.");
        chosen_targets << t;
    }
    opening.start();
    ready_check.start(100);
    checkReady();
}

void BoxSession::checkReady()
{
    if (stopped || !box_manager)
        return;
    int waiting = 0;
    for (Target& t : chosen_targets) {
        if (t.id != -1 || !t.problem.isEmpty())
            continue;
        for (const VoroDevice::Id id : box_manager->deviceIds()) {
            const VoroDevice d = box_manager->device(id);
            const bool settled = d.state == VoroDefinitions::DS__READY
                || d.state == VoroDefinitions::DS__UNSUPPORTED;
            if (settled
                && BoxName::sameBox(d.serial_number, d.usb_path, t.found.serial_number,
                                    t.found.usb_path)) {
                t.id = id;
                t.found.location = d.config.location;
                break;
            }
        }
        waiting += t.id == -1;
    }
    const bool given_up = opening.hasExpired(READY_WAIT_MS);
    if (waiting > 0 && !given_up) {
        console.progress(QStringLiteral("Reading %1 of %2 boxes...")
                             .arg(chosen_targets.size() - waiting)
                             .arg(chosen_targets.size()));
        return;
    }
    ready_check.stop();
    for (Target& t : chosen_targets) {
        if (t.id == -1 && t.problem.isEmpty())
            t.problem = QStringLiteral("did not answer.");
    }
    disconnect(box_manager.get(), &VoroManager::deviceDetected, this, &BoxSession::checkReady);
    emit opened();
}

void BoxSession::onReturned(VoroDevice::Id old_id, VoroDevice::Id new_id)
{
    for (Target& t : chosen_targets) {
        if (t.id == old_id)
            t.id = new_id;
    }
}

BoxSession::Target* BoxSession::target(VoroDevice::Id id)
{
    for (Target& t : chosen_targets) {
        if (t.id == id)
            return &t;
    }
    return nullptr;
}

void BoxSession::stop()
{
    stopped = true;
    again.stop();
    ready_check.stop();
}
