#pragma once
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// Every message box, input box and file dialog goes through this interface,
// so window logic can be driven by tests without a screen.
class DialogServices {
  public:
    virtual ~DialogServices() = default;

    // Answers as the platform numbers them.
    enum Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
    // Styles as the platform numbers them (buttons + icon).
    enum Style {
        OkOnly = 0,
        OkCancel = 1,
        AbortRetryIgnore = 2,
        YesNoCancel = 3,
        YesNo = 4,
        RetryCancel = 5,
        Critical = 16,
        Question = 32,
        Exclamation = 48,
        Information = 64
    };

    // An empty title shows the application's title.
    virtual int messageBox(const QString& text, int style = OkOnly, const QString& title = {}) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title = {},
                                            const QString& defaultText = {}) = 0;
    // Filters use the "description|pattern|description|pattern" form; an empty
    // result means nothing was chosen.
    virtual QString openFileName(const QString& title, const QString& filter,
                                 const QString& initialDir = {}) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& initialDir = {}) = 0;
    virtual QString existingDirectory(const QString& title, const QString& initialDir = {}) = 0;

    // Turns "desc|pattern|desc|pattern|" into Qt's "desc (pattern);;…" form.
    static QString toQtFilter(const QString& filter);
};

// Real Qt dialogs, parented to the window given (may be null).
class QtDialogServices : public DialogServices {
  public:
    explicit QtDialogServices(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    int messageBox(const QString& text, int style, const QString& title) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& initialDir) override;
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& initialDir) override;
    QString existingDirectory(const QString& title, const QString& initialDir) override;

    static QString applicationTitle();

  private:
    QWidget* parent_;
};
