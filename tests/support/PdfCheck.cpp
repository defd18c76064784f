#include "tests/support/PdfCheck.h"

#include <optional>

namespace {

// One entry of the cross-reference table: ten digits of offset, five of generation, the type, and a
// two-byte line end.
constexpr qsizetype kXrefEntrySize = 20;

// The decimal number at pos, after any blanks; pos moves past it.
std::optional<qlonglong> NumberAt(const QByteArray& bytes, qsizetype& pos) {
    while (pos < bytes.size() && QByteArrayView(" \r\n").contains(bytes[pos]))
        ++pos;
    const qsizetype start = pos;
    while (pos < bytes.size() && pos - start < 18 && bytes[pos] >= '0' && bytes[pos] <= '9')
        ++pos;
    if (pos == start)
        return std::nullopt;
    return bytes.mid(start, pos - start).toLongLong();
}

std::optional<qlonglong> TrailerXrefOffset(const QByteArray& bytes) {
    // The printer ends its file with a line end after the mark; without it the last write was lost.
    if (!bytes.endsWith("%%EOF\n") && !bytes.endsWith("%%EOF\r\n"))
        return std::nullopt;
    const qsizetype keyword = bytes.lastIndexOf("startxref");
    if (keyword < 0)
        return std::nullopt;
    qsizetype pos = keyword + qsizetype(sizeof("startxref") - 1);
    return NumberAt(bytes, pos);
}

bool ObjectsStandWhereListed(const QByteArray& bytes, qsizetype pos, qlonglong count) {
    for (qlonglong object = 0; object < count; ++object, pos += kXrefEntrySize) {
        if (pos + kXrefEntrySize > bytes.size())
            return false;
        const QByteArray entry = bytes.mid(pos, kXrefEntrySize);
        if (entry[17] != 'n')
            continue;
        bool ok = false;
        const qlonglong offset = entry.left(10).toLongLong(&ok);
        if (!ok || offset < 0 || offset >= bytes.size())
            return false;
        if (!bytes.mid(offset, 32).startsWith(QByteArray::number(object) + " 0 obj"))
            return false;
    }
    return bytes.mid(pos, 7) == "trailer";
}

} // namespace

bool IsCompletePdf(const QByteArray& bytes) {
    if (!bytes.startsWith("%PDF-"))
        return false;
    const std::optional<qlonglong> xref = TrailerXrefOffset(bytes);
    if (!xref || *xref <= 0 || *xref >= bytes.size() || bytes.mid(*xref, 4) != "xref")
        return false;
    qsizetype pos = *xref + 4;
    const std::optional<qlonglong> first = NumberAt(bytes, pos);
    const std::optional<qlonglong> count = NumberAt(bytes, pos);
    if (!first || *first != 0 || !count || *count < 1)
        return false;
    while (pos < bytes.size() && (bytes[pos] == '\r' || bytes[pos] == '\n' || bytes[pos] == ' '))
        ++pos;
    return ObjectsStandWhereListed(bytes, pos, *count);
}
