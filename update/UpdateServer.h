#pragma once
#include <QString>
#include <QUrl>

// Where the update information and the setup program are fetched from. The
// address is ours; self-hosters and tests point KORVELVBS_UPDATE_URL at
// their own server. The paths below the base never change.
class UpdateServer {
  public:
    static constexpr const char* defaultBase = "https://update.korvelvbs.cn";
    static constexpr const char* environmentVariable = "KORVELVBS_UPDATE_URL";

    // The environment's address when it is a usable http(s) address,
    // otherwise the default.
    UpdateServer();
    explicit UpdateServer(const QUrl& base);

    QUrl base() const { return base_; }
    QUrl infoUrl() const;
    QUrl setupUrl() const;

    static bool isUsableBase(const QUrl& url);

  private:
    QUrl under(const QString& path) const;

    QUrl base_;
};
