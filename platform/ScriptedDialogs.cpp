#include "ScriptedDialogs.h"

QVariant ScriptedDialogs::next() {
    if (answers_.isEmpty()) return {};
    return answers_.takeFirst();
}

int ScriptedDialogs::messageBox(const QString& text, int style, const QString& title) {
    calls.append({QStringLiteral("message"), text, style, title});
    const QVariant a = next();
    if (a.isValid()) return a.toInt();
    // Unanswered boxes take their first button.
    switch (style & 0x7) {
        case YesNo:
        case YesNoCancel:
            return Yes;
        case AbortRetryIgnore:
            return Abort;
        case RetryCancel:
            return Retry;
        default:
            return Ok;
    }
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                                 const QString&) {
    calls.append({QStringLiteral("input"), prompt, 0, title});
    const QVariant a = next();
    if (!a.isValid()) return std::nullopt;
    return a.toString();
}

QString ScriptedDialogs::openFileName(const QString& title, const QString& filter, const QString&) {
    calls.append({QStringLiteral("open"), filter, 0, title});
    return next().toString();
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString& filter, const QString&) {
    calls.append({QStringLiteral("save"), filter, 0, title});
    return next().toString();
}

QString ScriptedDialogs::existingDirectory(const QString& title, const QString&) {
    calls.append({QStringLiteral("folder"), QString(), 0, title});
    return next().toString();
}
