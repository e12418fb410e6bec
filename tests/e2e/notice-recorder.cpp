// A notification server, as far as the launcher meets one: owns
// org.freedesktop.Notifications on the session bus and appends each Notify
// to the file named by its argument (its texts, the image-path hint and the
// urgency, tab separated),
// which it creates with ".ready" appended once it owns the name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>
#include <QVariantMap>

class Recorder : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public Q_SLOTS:
    uint Notify(const QString& app, uint, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        QFile out(QCoreApplication::arguments().at(1));
        QString urgency = QString::number(hints.value(QStringLiteral("urgency")).toInt());
        QString image = hints.value(QStringLiteral("image-path")).toString();
        if (out.open(QIODevice::Append))
            out.write(QStringList({app, icon, summary, body, image, urgency}).join('\t').toUtf8() +
                      '\n');
        return 1;
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Recorder recorder;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (argc < 2 ||
        !bus.registerObject("/org/freedesktop/Notifications", &recorder,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications"))
        return 1;
    QFile(app.arguments().at(1) + ".ready").open(QIODevice::WriteOnly);
    return app.exec();
}

#include "notice-recorder.moc"
