#pragma once
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkReply;

// Synchronous HTTP for the update window: each call returns when the transfer
// is over. Only the window's own events wait meanwhile; painting goes on, so
// a progress bar can move while user input is held back.
class HttpTransfer : public QObject {
    Q_OBJECT
  public:
    enum class Status {
        Ok,
        TimedOut,
        TooLarge,      // the body went past the limit given
        ServerError,   // an HTTP status other than 200
        NetworkError,  // no connection, refused, reset, TLS failure …
        Incomplete,    // fewer bytes than the server announced
        WriteError     // the local file or its folder could not be written
    };
    struct Result {
        Status status = Status::NetworkError;
        int httpStatus = 0;
        QByteArray body;  // fetch only
        QString detail;   // the failure as the lower layer put it
    };
    using Progress = std::function<void(qint64 received, qint64 total)>;

    explicit HttpTransfer(QObject* parent = nullptr);

    // The body of a small document. The whole exchange must end within
    // timeoutMs; more than maxBytes of body ends it at once, however much
    // the server is still sending.
    Result fetch(const QUrl& url, int timeoutMs, qint64 maxBytes);

    // Stores the document at path, creating its folder. The file is written
    // under a temporary name and takes its place only when complete, so a
    // failure leaves an older file of that name untouched. The transfer fails
    // when no byte arrives for idleTimeoutMs.
    Result download(const QUrl& url, const QString& path, int idleTimeoutMs,
                    const Progress& progress = {});

  private:
    QNetworkReply* get(const QUrl& url);
    // Runs until the reply is finished; returns false when the timer ran out.
    bool await(QNetworkReply* reply, int timeoutMs, bool restartOnData);
    static Result failureOf(QNetworkReply* reply);

    QNetworkAccessManager manager_;
};
