#include "no-client-notice.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QRegularExpression>
#include <QStringList>
#include <QVariantMap>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unistd.h>

#include "halvora-service.h"
#include "log.h"
#include "session-bus.h"
#include "strtab.h"

namespace {

const char* const kComponent = "launcher_debug";
const char* const kConnectionName = "halvora-notice";
const int kCallTimeoutMs = 1000;
// The connection and the call together: a bus that accepts and never
// answers would otherwise hold the login in the connection's handshake.
const int kNoticeBoundMs = 1500;
// What "MB" says in every language: 10^6 bytes.
const int64_t kMegabyte = 1000 * 1000;

// A figure and the unit after it stay on one line however the notification
// server wraps the text: the space a translation puts after a placeholder
// becomes a no-break space.
QString FiguresKeptWithUnits(const QString& text) {
    static const QRegularExpression placeholder_then_space(QStringLiteral("(%\\d) "));
    return QString(text).replace(placeholder_then_space, QStringLiteral("\\1\u00A0"));
}

QString ReasonSentence(const RunOutcome& outcome) {
    switch (outcome.notice) {
    case NoticeReason::NoRoom:
        // Needed rounded up and free rounded down: the figures never make the
        // room look enough.
        return FiguresKeptWithUnits(StrTable::LoadStr(StrTable::notice_reason_no_room))
            .arg((outcome.needed_bytes + kMegabyte - 1) / kMegabyte)
            .arg(outcome.free_bytes / kMegabyte);
    case NoticeReason::Damaged:
        return StrTable::LoadStr(StrTable::notice_reason_damaged);
    case NoticeReason::HomeCannotHold:
        return StrTable::LoadStr(StrTable::notice_reason_home);
    case NoticeReason::Other:
        break;
    }
    return StrTable::LoadStr(StrTable::notice_reason_failed);
}

// The icon by its file too: daemons read this hint first, and not every
// one of them looks in the icon theme.
QString IconFile() {
    ustring path = Service::GetRootHalvoraResourceInstallPath() + "/images/ico_72_halvora.png";
    return access(path.c_str(), R_OK) == 0 ? QString::fromUtf8(path.c_str()) : QString();
}

QDBusMessage NotifyCall(const NoClientNotice& notice) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    // Critical: it stays until the user has seen it.
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(2)));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("halvora-backup"));
    QString icon_file = IconFile();
    if (!icon_file.isEmpty())
        hints.insert(QStringLiteral("image-path"), icon_file);
    call << StrTable::LoadStr(StrTable::app_name) << 0u << QStringLiteral("halvora-backup")
         << notice.summary << notice.body << QStringList() << hints << -1;
    return call;
}

void LogNotShown(const QString& why) {
    Logger::LogMsg(Logger::L_NOTICE, kComponent,
                   "[NOTE] no-client-notice(%d): the desktop notification is not shown: %s\n",
                   __LINE__, why.toUtf8().constData());
}

// What the call's thread leaves for the one that waits for it; shared, for
// the thread may outlive the wait.
struct PendingNotice {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool connected = false;
    QDBusMessage reply;
};

void CallOnPrivateConnection(const QString& address, const QDBusMessage& call,
                             PendingNotice& pending) {
    bool connected = false;
    QDBusMessage reply;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, kConnectionName);
        connected = bus.isConnected();
        if (!connected)
            reply = QDBusMessage::createError(bus.lastError());
        else
            reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    }
    QDBusConnection::disconnectFromBus(kConnectionName);
    std::lock_guard<std::mutex> lock(pending.mutex);
    pending.connected = connected;
    pending.reply = reply;
    pending.done = true;
    pending.finished.notify_all();
}

bool notice_abandoned = false;

} // namespace

NoClientNotice ComposeNoClientNotice(const RunOutcome& outcome) {
    NoClientNotice notice;
    notice.summary = StrTable::LoadStr(StrTable::notice_not_started);
    notice.body =
        ReasonSentence(outcome) + QLatin1Char(' ') + StrTable::LoadStr(StrTable::notice_admin_sees);
    return notice;
}

Notified ShowNoClientNotice(const RunOutcome& outcome) {
    QString address = SessionBusAddress();
    if (address.isEmpty()) {
        LogNotShown(QStringLiteral("no session bus"));
        return Notified::NoBus;
    }
    auto pending = std::make_shared<PendingNotice>();
    QDBusMessage call = NotifyCall(ComposeNoClientNotice(outcome));
    std::thread([address, call, pending] { CallOnPrivateConnection(address, call, *pending); })
        .detach();
    std::unique_lock<std::mutex> lock(pending->mutex);
    if (!pending->finished.wait_for(lock, std::chrono::milliseconds(kNoticeBoundMs),
                                    [&] { return pending->done; })) {
        notice_abandoned = true;
        LogNotShown(QStringLiteral("the session bus did not answer within %1 ms")
                        .arg(kNoticeBoundMs));
        return Notified::NoAnswer;
    }
    if (pending->reply.type() != QDBusMessage::ReplyMessage) {
        LogNotShown(pending->reply.errorName() + QStringLiteral(": ") +
                    pending->reply.errorMessage());
        return pending->connected ? Notified::NoAnswer : Notified::NoBus;
    }
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] no-client-notice(%d): the user is told on the desktop that no client "
                   "runs\n",
                   __LINE__);
    return Notified::Shown;
}

bool NoticeLeftWaiting() {
    return notice_abandoned;
}
