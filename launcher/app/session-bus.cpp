#include "session-bus.h"

#include <QByteArray>
#include <cstdlib>
#include <sys/stat.h>

#include "linux/client-start.h"

namespace {

const char* const kAddressVariable = "DBUS_SESSION_BUS_ADDRESS";

QByteArray UserBusAddress()
{
    QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return QByteArray();
    QByteArray socket = runtime + "/bus";
    struct stat st;
    if (stat(socket.constData(), &st) != 0 || !S_ISSOCK(st.st_mode))
        return QByteArray();
    return "unix:path=" + socket;
}

} // namespace

void SettleSessionBusAddress()
{
    if (!qEnvironmentVariableIsEmpty(kAddressVariable))
        return;
    QByteArray address = UserBusAddress();
    setenv(kAddressVariable, address.isEmpty() ? kNoSessionBusAddress : address.constData(), 1);
}

QString SessionBusAddress()
{
    QByteArray address = qgetenv(kAddressVariable);
    if (address.isEmpty())
        address = UserBusAddress();
    if (address == kNoSessionBusAddress)
        return QString();
    return QString::fromUtf8(address);
}
