#include "displaycheck.h"

#include <xcb/xcb.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

// The value after a Qt option such as -platform or -display, with one dash or two; the last
// one given counts, as in Qt.
QString optionValue(const QStringList& arguments, const QString& name) {
    QString value;
    for (qsizetype index = 1; index + 1 < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument == u'-' + name || argument == QStringLiteral("--") + name) {
            value = arguments[index + 1];
        }
    }
    return value;
}

bool x11Answers(const QString& display) {
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// libwayland-client's rule: a name with a slash is the socket's path, any other name lies in
// XDG_RUNTIME_DIR.
bool waylandAnswers(const QString& display) {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) {
        return true;
    }
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray path =
        display.startsWith(u'/') ? display.toLocal8Bit() : runtime + '/' + display.toLocal8Bit();
    sockaddr_un address{};
    if ((!display.startsWith(u'/') && runtime.isEmpty()) ||
        path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int socketFd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers =
        socketFd >= 0 &&
        ::connect(socketFd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socketFd >= 0) {
        close(socketFd);
    }
    return answers;
}

// Qt's list of platforms to try, in order: "wayland;xcb", "xcb:dpi=96", ... by their names.
QStringList requestedPlatforms(const QStringList& arguments) {
    QString request = optionValue(arguments, QStringLiteral("platform"));
    if (request.isEmpty()) {
        request = qEnvironmentVariable("QT_QPA_PLATFORM");
    }
    if (request.isEmpty()) {
        return {QStringLiteral("xcb"), QStringLiteral("wayland")};
    }
    QStringList names;
    for (const QString& entry : request.split(u';', Qt::SkipEmptyParts)) {
        names.append(entry.section(u':', 0, 0));
    }
    return names;
}

} // namespace

QString unreachableDisplay(const QStringList& arguments) {
    QString x11Display = optionValue(arguments, QStringLiteral("display"));
    if (x11Display.isEmpty()) {
        x11Display = qEnvironmentVariable("DISPLAY");
    }
    const QString waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    QStringList tried;
    QStringList unset;
    for (const QString& platform : requestedPlatforms(arguments)) {
        if (platform == u"xcb") {
            if (x11Display.isEmpty()) {
                unset.append(QStringLiteral("DISPLAY"));
            } else if (x11Answers(x11Display)) {
                return QString();
            } else {
                tried.append(u'"' + x11Display + u'"');
            }
        } else if (platform.startsWith(u"wayland")) {
            if (waylandAnswers(waylandDisplay.isEmpty() ? QStringLiteral("wayland-0")
                                                        : waylandDisplay)) {
                return QString();
            }
            if (waylandDisplay.isEmpty()) {
                unset.append(QStringLiteral("WAYLAND_DISPLAY"));
            } else {
                tried.append(u'"' + waylandDisplay + u'"');
            }
        } else {
            return QString();
        }
    }
    if (tried.isEmpty()) {
        return QStringLiteral("cannot open display: none is set (%1)").arg(unset.join(u", "));
    }
    return QStringLiteral("cannot open display ") + tried.join(QStringLiteral(" or "));
}
