#include "HttpTransfer.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <memory>

namespace {
struct ReplyDeleter {
    // Signals still queued must not reach the handlers of a finished call.
    void operator()(QNetworkReply* r) const {
        r->disconnect();
        r->deleteLater();
    }
};
using ReplyPtr = std::unique_ptr<QNetworkReply, ReplyDeleter>;

int statusOf(QNetworkReply* reply) {
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// Qt follows redirects itself but still reports their headers; only the
// final answer counts.
bool isRedirect(QNetworkReply* reply) {
    const int status = statusOf(reply);
    return status >= 300 && status < 400;
}

qint64 announcedLength(QNetworkReply* reply) {
    const QVariant v = reply->header(QNetworkRequest::ContentLengthHeader);
    return v.isValid() ? v.toLongLong() : -1;
}
}  // namespace

HttpTransfer::HttpTransfer(QObject* parent) : QObject(parent) {}

QNetworkReply* HttpTransfer::get(const QUrl& url) {
    QNetworkRequest request(url);
    // Never trade https for http on a redirect: the setup program is run.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setRawHeader("Cache-Control", "no-cache");
    return manager_.get(request);
}

bool HttpTransfer::await(QNetworkReply* reply, int timeoutMs, bool restartOnData) {
    if (reply->isFinished()) return true;
    bool timedOut = false;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        if (!reply->isFinished()) reply->abort();
    });
    if (restartOnData)
        connect(reply, &QNetworkReply::downloadProgress, &timer, [&] { timer.start(timeoutMs); });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    // The transfer is synchronous for the user: no clicks or keys reach the
    // window meanwhile, but it keeps painting.
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    return !timedOut;
}

HttpTransfer::Result HttpTransfer::failureOf(QNetworkReply* reply) {
    Result r;
    r.httpStatus = statusOf(reply);
    if (r.httpStatus != 0 && r.httpStatus != 200)
        r.status = Status::ServerError;
    else if (reply->error() != QNetworkReply::NoError)
        r.status = Status::NetworkError;
    else
        r.status = Status::ServerError;  // no HTTP status at all
    r.detail = reply->errorString();
    return r;
}

HttpTransfer::Result HttpTransfer::fetch(const QUrl& url, int timeoutMs, qint64 maxBytes) {
    ReplyPtr reply(get(url));
    QNetworkReply* rp = reply.get();
    // No read-buffer cap here: Qt then stalls on the body of a redirect it is
    // following. The first chunk past the limit ends the transfer anyway.
    QByteArray body;
    bool tooLarge = false;
    auto take = [&] {
        if (tooLarge || !rp->isOpen()) return;
        body += rp->read(maxBytes + 1 - body.size());
        if (body.size() > maxBytes) {
            tooLarge = true;
            rp->abort();
        }
    };
    connect(rp, &QNetworkReply::metaDataChanged, this, [&] {
        if (!tooLarge && !isRedirect(rp) && announcedLength(rp) > maxBytes) {
            tooLarge = true;
            rp->abort();
        }
    });
    connect(rp, &QNetworkReply::readyRead, this, take);
    const bool inTime = await(rp, timeoutMs, false);
    take();

    if (!inTime) return {Status::TimedOut, statusOf(rp), {}, QStringLiteral("time-out")};
    if (tooLarge) return {Status::TooLarge, statusOf(rp), {}, QStringLiteral("body too large")};
    if (rp->error() != QNetworkReply::NoError || statusOf(rp) != 200) return failureOf(rp);
    return {Status::Ok, 200, body, {}};
}

HttpTransfer::Result HttpTransfer::download(const QUrl& url, const QString& path, int idleTimeoutMs,
                                            const Progress& progress) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {Status::WriteError, 0, {}, QStringLiteral("cannot create %1").arg(folder)};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {Status::WriteError, 0, {}, file.errorString()};

    ReplyPtr reply(get(url));
    QNetworkReply* rp = reply.get();
    qint64 written = 0;
    bool writeFailed = false;
    bool refused = false;
    connect(rp, &QNetworkReply::metaDataChanged, this, [&] {
        // An error page must not end up as the program we later run.
        const int status = statusOf(rp);
        if (!refused && !isRedirect(rp) && status != 0 && status != 200) {
            refused = true;
            rp->abort();
        }
    });
    auto drain = [&] {
        if (writeFailed || refused || !rp->isOpen()) return;
        const QByteArray chunk = rp->readAll();
        if (chunk.isEmpty()) return;
        if (file.write(chunk) != chunk.size()) {
            writeFailed = true;
            rp->abort();
            return;
        }
        written += chunk.size();
    };
    connect(rp, &QNetworkReply::readyRead, this, drain);
    if (progress) connect(rp, &QNetworkReply::downloadProgress, this, progress);
    const bool inTime = await(rp, idleTimeoutMs, true);
    drain();

    Result r;
    r.httpStatus = statusOf(rp);
    const qint64 announced = announcedLength(rp);
    if (!inTime)
        r = {Status::TimedOut, r.httpStatus, {}, QStringLiteral("time-out")};
    else if (writeFailed)
        r = {Status::WriteError, r.httpStatus, {}, file.errorString()};
    else if (refused || r.httpStatus != 200)
        r = failureOf(rp);
    else if (announced >= 0 && written != announced)
        r = {Status::Incomplete,
             r.httpStatus,
             {},
             QStringLiteral("%1 of %2 bytes").arg(written).arg(announced)};
    else if (rp->error() != QNetworkReply::NoError)
        r = failureOf(rp);
    else if (!file.commit())
        r = {Status::WriteError, r.httpStatus, {}, file.errorString()};
    else
        r.status = Status::Ok;
    // A QSaveFile that was never committed discards its temporary file.
    return r;
}
