#include "publish/uploads.h"

#include <QEventLoop>

#include "base/app_clock.h"
#include "base/notifier.h"
#include "publish/cwop_upload.h"
#include "publish/upload_schedule.h"
#include "publish/wu_upload.h"
#include "station/data_age.h"

struct Uploads::Service {
    std::unique_ptr<UploadService> upload;
    QTimer timeout;
    FailureSpell spell;
    UploadState state;
    qint64 lastMinute = -1;  // the UTC minute (since 1970) of the last scheduled turn
};

QStringList uploadCommandNames() {
    return {QLatin1String(CwopUpload::kCommand), QLatin1String(WuUpload::kCommand)};
}

Uploads::Uploads(const StationData& data, const Settings& settings, QObject* parent)
    : QObject(parent), data_(data), settings_(settings) {
    add(std::make_unique<CwopUpload>());
    add(std::make_unique<WuUpload>());
    connect(&tick_, &QTimer::timeout, this, &Uploads::tick);
    tick_.start(kTickMs);
}

Uploads::~Uploads() = default;

void Uploads::add(std::unique_ptr<UploadService> upload) {
    auto service = std::make_unique<Service>();
    Service* s = service.get();
    s->upload = std::move(upload);
    s->state.name = s->upload->name();
    s->timeout.setSingleShot(true);
    connect(&s->timeout, &QTimer::timeout, this, [this, s] {
        s->upload->abort();
        ended(*s, false,
              QStringLiteral("Keine Antwort innerhalb von %1 s.").arg(timeoutMs_ / 1000));
    });
    connect(s->upload.get(), &UploadService::finished, this,
            [this, s](bool ok, const QString& reason) { ended(*s, ok, reason); });
    services_.push_back(std::move(service));
}

void Uploads::tick() {
    const QDateTime now = AppClock::currentDateTime();
    const qint64 minute = now.toSecsSinceEpoch() / 60;
    const bool fresh = allGroupsFresh(data_, now.toMSecsSinceEpoch());
    bool changed = false;
    for (auto& service : services_) {
        UploadService& upload = *service->upload;
        const bool enabled = upload.enabled(settings_);
        changed |= enabled != service->state.enabled;
        service->state.enabled = enabled;
        if (!enabled || service->lastMinute == minute ||
            !isUploadMinute(int(minute % 60), upload.firstMinute(settings_),
                            upload.intervalMinutes(settings_)))
            continue;
        service->lastMinute = minute;
        // Stale data are not sent; this minute's turn is lost, not made up later.
        if (fresh && !service->state.sending)
            start(*service, settings_, now);
    }
    if (changed)
        emit stateChanged();
}

bool Uploads::sendNow(const QString& command) {
    return sendNow(command, settings_);
}

bool Uploads::sendNow(const QString& command, const Settings& tried) {
    Service* service = find(command);
    if (!service)
        return false;
    const QDateTime now = AppClock::currentDateTime();
    if (service->state.sending)
        service->upload->abort();
    if (!allGroupsFresh(data_, now.toMSecsSinceEpoch()))
        ended(*service, false,
              QStringLiteral("Keine aktuellen Daten der Station (nicht alle Werte der letzten "
                             "zwei Minuten)."));
    else
        start(*service, tried, now);
    return true;
}

void Uploads::start(Service& service, const Settings& settings, const QDateTime& now) {
    const QString problem = service.upload->settingsProblem(settings);
    if (!problem.isEmpty()) {
        ended(service, false, problem);
        return;
    }
    service.state.sending = true;
    service.timeout.start(timeoutMs_);
    emit stateChanged();
    service.upload->send(data_, settings, now);
}

void Uploads::ended(Service& service, bool ok, const QString& reason) {
    const QDateTime now = AppClock::currentDateTime();
    service.timeout.stop();
    service.state.sending = false;
    UploadState& state = service.state;
    const QString caption = service.upload->caption();
    if (ok) {
        service.spell.end();
        state.failingSince = QDateTime();
        state.lastSuccess = now;
    } else {
        service.spell.begin(now);
        state.failingSince = service.spell.since();
        state.lastError = reason;
        state.lastErrorAt = now;
        QString text;
        if (service.spell.tellStart())
            text = QStringLiteral(
                       "Senden an %1 fehlgeschlagen; neuer Versuch im nächsten "
                       "Intervall.")
                       .arg(caption);
        else if (service.spell.tellLong(now))
            text = QStringLiteral("Senden an %1 schlägt seit %2 fehl (seit einer Stunde).")
                       .arg(caption,
                            state.failingSince.toLocalTime().toString(QStringLiteral("HH:mm")));
        // Shown after the network's signal has ended: the desktop's message box waits for the
        // user.
        if (!text.isEmpty())
            QTimer::singleShot(0, this, [caption, text, reason] {
                notify(caption, text, MessageButtons::Ok, reason);
            });
    }
    emit uploadFinished(service.upload->command(), ok, reason);
    emit stateChanged();
}

Uploads::Service* Uploads::find(const QString& command) {
    for (auto& service : services_)
        if (service->upload->command() == command)
            return service.get();
    return nullptr;
}

QStringList Uploads::commands() const {
    QStringList names;
    for (const auto& service : services_)
        names << service->upload->command();
    return names;
}

std::vector<UploadState> Uploads::states() const {
    std::vector<UploadState> all;
    for (const auto& service : services_) {
        UploadState state = service->state;
        state.enabled = service->upload->enabled(settings_);
        all.push_back(state);
    }
    return all;
}

QString Uploads::statusLine() const {
    QStringList texts;
    for (const UploadState& state : states())
        if (const QString text = uploadStatusText(state); !text.isEmpty())
            texts << text;
    return texts.join(QStringLiteral("  "));
}

bool Uploads::sending() const {
    for (const auto& service : services_)
        if (service->state.sending)
            return true;
    return false;
}

void Uploads::finishInFlight() {
    if (!sending())
        return;
    QEventLoop loop;
    const auto done = connect(this, &Uploads::uploadFinished, &loop, [this, &loop] {
        if (!sending())
            loop.quit();
    });
    loop.exec();
    disconnect(done);
}
