#include "swayoutputs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace QMWidgets {

namespace {

// i3's IPC framing, which sway keeps: the magic, the payload's length and the message type, both
// 32-bit in this machine's byte order, then the payload.
const char ipcMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr int headerBytes = sizeof ipcMagic + 8;
constexpr quint32 getOutputs = 3;
// Far more than any answer about a handful of outputs; a larger one is not sway's.
constexpr quint32 largestReply = 1 << 20;

// Waits until fd is ready for events; false at the deadline or on an error.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd wait = {fd, events, 0};
        const int ready = poll(&wait, 1, int(qMin<qint64>(deadline.remainingTime(), 60000)));
        if (ready > 0)
            return wait.revents & events;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool sendAll(int fd, const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    for (qsizetype sent = 0; sent < bytes.size();) {
        if (!waitFor(fd, POLLOUT, deadline))
            return false;
        const ssize_t n =
            send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        sent += qMax<ssize_t>(n, 0);
    }
    return true;
}

bool receiveAll(int fd, char *into, qsizetype bytes, const QDeadlineTimer &deadline)
{
    for (qsizetype got = 0; got < bytes;) {
        if (!waitFor(fd, POLLIN, deadline))
            return false;
        const ssize_t n = recv(fd, into + got, size_t(bytes - got), 0);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            return false;
        got += qMax<ssize_t>(n, 0);
    }
    return true;
}

} // namespace

QList<OutputGeometry> swayOutputsFromReply(const QByteArray &reply)
{
    QList<OutputGeometry> outputs;
    const QJsonDocument document = QJsonDocument::fromJson(reply);
    for (const QJsonValue &value : document.array()) {
        const QJsonObject output = value.toObject();
        const QJsonObject rect = output.value(QLatin1String("rect")).toObject();
        const QJsonObject mode = output.value(QLatin1String("current_mode")).toObject();
        QSize pixels(mode.value(QLatin1String("width")).toInt(),
                     mode.value(QLatin1String("height")).toInt());
        // The mode is in the device's orientation; "90", "flipped-270" and the like turn it.
        const QString transform = output.value(QLatin1String("transform")).toString();
        if (transform.endsWith(QLatin1String("90")) || transform.endsWith(QLatin1String("270")))
            pixels.transpose();
        const QRect logical(rect.value(QLatin1String("x")).toInt(),
                            rect.value(QLatin1String("y")).toInt(),
                            rect.value(QLatin1String("width")).toInt(),
                            rect.value(QLatin1String("height")).toInt());
        // A switched-off output keeps its name in the list but lies nowhere.
        if (output.value(QLatin1String("active")).toBool() && !logical.isEmpty() &&
            !pixels.isEmpty())
            outputs << OutputGeometry{output.value(QLatin1String("name")).toString(), logical,
                                      pixels};
    }
    return outputs;
}

QList<OutputGeometry> askSwayOutputs(int fd, QDeadlineTimer deadline)
{
    QByteArray request(ipcMagic, sizeof ipcMagic);
    const quint32 header[2] = {0, getOutputs};
    request.append(reinterpret_cast<const char *>(header), sizeof header);
    char answer[headerBytes];
    if (!sendAll(fd, request, deadline) || !receiveAll(fd, answer, headerBytes, deadline) ||
        std::memcmp(answer, ipcMagic, sizeof ipcMagic) != 0)
        return {};
    quint32 length = 0, type = 0;
    std::memcpy(&length, answer + sizeof ipcMagic, 4);
    std::memcpy(&type, answer + sizeof ipcMagic + 4, 4);
    if (type != getOutputs || length > largestReply)
        return {};
    QByteArray payload(int(length), Qt::Uninitialized);
    if (!receiveAll(fd, payload.data(), payload.size(), deadline))
        return {};
    return swayOutputsFromReply(payload);
}

QList<OutputGeometry> swayOutputs(const QByteArray &socketPath, QDeadlineTimer deadline)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (socketPath.isEmpty() || size_t(socketPath.size()) >= sizeof address.sun_path)
        return {};
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return {};
    // A local socket connects at once or not at all: one whose queue is full is not waited for.
    QList<OutputGeometry> outputs;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        outputs = askSwayOutputs(fd, deadline);
    close(fd);
    return outputs;
}

} // namespace QMWidgets
