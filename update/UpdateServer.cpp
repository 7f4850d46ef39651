#include "UpdateServer.h"

#include <QtGlobal>

namespace {
QUrl fromEnvironment() {
    const QString text = qEnvironmentVariable(UpdateServer::environmentVariable).trimmed();
    if (text.isEmpty()) return QUrl(QString::fromLatin1(UpdateServer::defaultBase));
    const QUrl url(text, QUrl::StrictMode);
    if (UpdateServer::isUsableBase(url)) return url;
    qWarning("%s is not an http(s) address; using the default update server",
             UpdateServer::environmentVariable);
    return QUrl(QString::fromLatin1(UpdateServer::defaultBase));
}
}  // namespace

UpdateServer::UpdateServer() : base_(fromEnvironment()) {}

UpdateServer::UpdateServer(const QUrl& base) : base_(base) {}

bool UpdateServer::isUsableBase(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() && (scheme == "https" || scheme == "http");
}

QUrl UpdateServer::infoUrl() const { return under(QStringLiteral("/korvelvbs/update.dat")); }

QUrl UpdateServer::setupUrl() const { return under(QStringLiteral("/korvelvbs/setup.exe")); }

QUrl UpdateServer::under(const QString& path) const {
    // A base with a folder of its own ("https://mirror/pub") keeps it.
    QUrl url = base_;
    QString prefix = url.path();
    while (prefix.endsWith(u'/')) prefix.chop(1);
    url.setPath(prefix + path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}
