#include "OfferedVersion.h"

#include <QRegularExpression>

#include "Version.h"

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

QString withoutFinalLineBreak(QString text) {
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    else if (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

QString withoutBlanks(QString text) {
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    qsizetype end = text.size();
    while (end > start && isBlank(text[end - 1])) --end;
    return text.mid(start, end - start);
}
}  // namespace

std::optional<double> OfferedVersion::parse(const QString& text) {
    // Blanks may stand before the line break too ("1.132 \r\n").
    QString t = text;
    while (!t.isEmpty() && isBlank(t.back())) t.chop(1);
    t = withoutBlanks(withoutFinalLineBreak(t));
    // Digits with at most one point; signs, exponents and a second point are
    // not a version.
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+")));
    if (!number.match(t).hasMatch()) return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);  // QString::toDouble is locale-independent
    if (!ok) return std::nullopt;
    return value;
}

QString OfferedVersion::displayText(const QByteArray& body) {
    return withoutFinalLineBreak(QString::fromUtf8(body));
}

bool OfferedVersion::isNewer(const QString& text) {
    const std::optional<double> v = parse(text);
    return v && *v > Version::number;
}
