#pragma once
#include <QList>
#include <QVariant>

#include "DialogServices.h"

// Dialog services for tests: answers are queued in advance and every call is
// recorded, so a test can check which questions were asked and in what order.
class ScriptedDialogs : public DialogServices {
  public:
    struct Call {
        QString kind;  // "message", "input", "open", "save", "folder"
        QString text;
        int style = 0;
        QString title;
    };

    // Queue answers: an int for message boxes, a QString for the others, an
    // invalid QVariant for "cancelled".
    void push(QVariant answer) { answers_.append(std::move(answer)); }
    QList<Call> calls;
    int pending() const { return int(answers_.size()); }

    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& initialDir) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& initialDir) override;
    QString existingDirectory(const QString& title, const QString& initialDir) override;

  private:
    QVariant next();
    QList<QVariant> answers_;
};
