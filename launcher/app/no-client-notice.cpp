#include "no-client-notice.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QRegularExpression>
#include <QStringList>
#include <QVariantMap>
#include <sys/stat.h>

#include "log.h"
#include "strtab.h"

namespace {

const char* const kComponent = "launcher_debug";
const char* const kConnectionName = "halvora-notice";
const int kCallTimeoutMs = 1000;
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

// The session bus as the desktop announces it, else the user's own bus
// socket; empty when there is none (a login before the bus, a container):
// no other way of finding one is tried, for it could start a bus or wait.
QString SessionBusAddress() {
    QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return QString::fromUtf8(address);
    QByteArray socket = qgetenv("XDG_RUNTIME_DIR") + "/bus";
    struct stat st;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && stat(socket.constData(), &st) == 0 &&
        S_ISSOCK(st.st_mode))
        return QStringLiteral("unix:path=") + QString::fromUtf8(socket);
    return QString();
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
    call << StrTable::LoadStr(StrTable::app_name) << 0u << QStringLiteral("halvora-backup")
         << notice.summary << notice.body << QStringList() << hints << -1;
    return call;
}

void LogNotShown(const QString& why) {
    Logger::LogMsg(Logger::L_NOTICE, kComponent,
                   "[NOTE] no-client-notice(%d): the desktop notification is not shown: %s\n",
                   __LINE__, why.toUtf8().constData());
}

} // namespace

NoClientNotice ComposeNoClientNotice(const RunOutcome& outcome) {
    NoClientNotice notice;
    notice.summary = StrTable::LoadStr(StrTable::notice_not_started);
    notice.body =
        ReasonSentence(outcome) + QLatin1Char(' ') + StrTable::LoadStr(StrTable::notice_admin_sees);
    return notice;
}

void ShowNoClientNotice(const RunOutcome& outcome) {
    QString address = SessionBusAddress();
    if (address.isEmpty()) {
        LogNotShown(QStringLiteral("no session bus"));
        return;
    }
    QDBusMessage reply;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, kConnectionName);
        if (!bus.isConnected())
            reply = QDBusMessage::createError(bus.lastError());
        else
            reply =
                bus.call(NotifyCall(ComposeNoClientNotice(outcome)), QDBus::Block, kCallTimeoutMs);
    }
    QDBusConnection::disconnectFromBus(kConnectionName);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        LogNotShown(reply.errorName() + QStringLiteral(": ") + reply.errorMessage());
        return;
    }
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] no-client-notice(%d): the user is told on the desktop that no client "
                   "runs\n",
                   __LINE__);
}
