// A desktop's notification server, as far as the launcher meets one: owns
// org.freedesktop.Notifications on the session bus and appends each Notify
// call to the file named by its argument (summary, body and urgency, tab
// separated, one line each). Writes <file>.ready once it owns the name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QStringList>
#include <QVariantMap>

class Recorder : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    explicit Recorder(const QString& path) : m_path(path) {}

public Q_SLOTS:
    uint Notify(const QString& app_name, uint, const QString& app_icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        QFile out(m_path);
        if (out.open(QIODevice::Append)) {
            QStringList fields = {app_name, app_icon, summary, body,
                                  QString::number(hints.value(QStringLiteral("urgency")).toInt())};
            out.write(fields.join(QLatin1Char('\t')).toUtf8() + '\n');
        }
        return ++m_sent;
    }

private:
    QString m_path;
    uint m_sent = 0;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    Recorder recorder(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &recorder,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications")))
        return 1;
    QFile(QString::fromLocal8Bit(argv[1]) + QStringLiteral(".ready")).open(QIODevice::WriteOnly);
    return app.exec();
}

#include "notice-recorder.moc"
