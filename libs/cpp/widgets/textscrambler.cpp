#include "textscrambler.h"

#include <QByteArray>

namespace QMWidgets {

namespace {

// Marks the format, so a later change of the scheme can still read older values.
constexpr char formatMark = 'v';
constexpr QByteArray::Base64Options base64Options =
    QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

// A fixed key stream: a linear congruential generator with a fixed seed, one byte per step.
class KeyStream
{
public:
    quint8 next()
    {
        state = state * 1103515245u + 12345u;
        return static_cast<quint8>(state >> 16);
    }

private:
    quint32 state = 0x43575a31u;
};

quint16 checkSum(const QByteArray &plain)
{
    // Fletcher-16: cheap, and order matters, so swapped characters are noticed too.
    quint16 a = 0;
    quint16 b = 0;
    for (const char c : plain) {
        a = static_cast<quint16>((a + static_cast<quint8>(c)) % 255);
        b = static_cast<quint16>((b + a) % 255);
    }
    return static_cast<quint16>((b << 8) | a);
}

} // namespace

QString scrambleText(const QString &plain)
{
    if (plain.isEmpty())
        return QString(QLatin1String(""));
    QByteArray bytes = plain.toUtf8();
    const quint16 sum = checkSum(bytes);
    bytes.append(static_cast<char>(sum >> 8));
    bytes.append(static_cast<char>(sum & 0xff));

    // Each byte is mixed with the key stream and with the previous scrambled byte, so equal
    // beginnings of two texts do not scramble alike beyond their first byte's influence.
    KeyStream key;
    quint8 previous = 0x5a;
    for (char &c : bytes) {
        const quint8 out = static_cast<quint8>(c) ^ key.next() ^ previous;
        c = static_cast<char>(out);
        previous = out;
    }
    return QLatin1Char(formatMark) + QString::fromLatin1(bytes.toBase64(base64Options));
}

QString unscrambleText(const QString &scrambled)
{
    if (scrambled.isEmpty())
        return QString(QLatin1String(""));
    if (scrambled.at(0) != QLatin1Char(formatMark))
        return QString();
    const QString body = scrambled.mid(1);
    for (const QChar c : body) {
        const bool ok = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                        (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                        (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
                        c == QLatin1Char('_');
        if (!ok)
            return QString();
    }
    const auto decoded = QByteArray::fromBase64Encoding(
        body.toLatin1(), base64Options | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() < 3)
        return QString();

    QByteArray bytes = decoded.decoded;
    KeyStream key;
    quint8 previous = 0x5a;
    for (char &c : bytes) {
        const quint8 in = static_cast<quint8>(c);
        c = static_cast<char>(in ^ key.next() ^ previous);
        previous = in;
    }
    const quint16 stored =
        static_cast<quint16>((static_cast<quint8>(bytes.at(bytes.size() - 2)) << 8) |
                             static_cast<quint8>(bytes.at(bytes.size() - 1)));
    bytes.chop(2);
    if (checkSum(bytes) != stored)
        return QString();
    // With the length: the plain text may hold NUL characters.
    return QString::fromUtf8(bytes.constData(), bytes.size());
}

} // namespace QMWidgets
