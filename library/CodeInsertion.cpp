#include "CodeInsertion.h"

#include <algorithm>

bool CodeInsertion::crlfPlusOn(const QString& crlfPlus) {
    bool ok = false;
    const double v = crlfPlus.trimmed().toDouble(&ok);
    return ok && v == 1.0;
}

CodeInsertion::Result CodeInsertion::apply(const QString& text, qsizetype caret,
                                           const QString& addstr, bool crlfPlus) {
    const qsizetype p = std::clamp<qsizetype>(caret, 0, text.size());
    Result r;
    r.text.reserve(text.size() + addstr.size() + 2);
    r.text += QStringView(text).left(p);
    r.text += addstr;
    r.text += QStringView(text).mid(p);
    if (crlfPlus) r.text += QStringLiteral("\r\n");
    r.caret = p + addstr.size();
    return r;
}
