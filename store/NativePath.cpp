#include "store/NativePath.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at bytes[i] and its code point, or 0 when the byte there
// starts none (a stray continuation, an overlong form, a surrogate, a code point beyond U+10FFFF).
int Utf8Character(const QByteArray& bytes, qsizetype i, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, smallest = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, smallest = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, smallest = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(bytes[i + k]);
        if (!IsContinuation(byte))
            return 0;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < smallest || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

bool IsEscape(QChar c) {
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
}

} // namespace

QString PathFromNative(const QByteArray& bytes) {
    QString path;
    path.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const int length = Utf8Character(bytes, i, codePoint);
        if (length == 0) {
            path.append(QChar(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        const char32_t characters[1] = {codePoint};
        path.append(QString::fromUcs4(characters, 1));
        i += length;
    }
    return path;
}

QByteArray NativePath(const QString& path) {
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsEscape(path[i]))
            continue;
        bytes += QStringView(path).mid(start, i - start).toUtf8();
        if (i < path.size())
            bytes += static_cast<char>(path[i].unicode() - kEscapeBase);
        start = i + 1;
    }
    return bytes;
}

QString ShownPath(const QString& path) {
    QString shown = path;
    for (QChar& c : shown)
        if (IsEscape(c))
            c = QChar(QChar::ReplacementCharacter);
    return shown;
}
