#pragma once
#include <vbscript/object.h>

#include <QString>

class DialogServices;

// The common file dialog scripts reach as "CFileDlg": the members scripts of
// that control commonly use, over the editor's dialog services.
// Filter has the form "description|pattern|description|pattern"; FilterIndex
// (from 1) picks the filter shown first. With CancelError set, cancelling
// raises error 32755; either way a cancelled dialog clears FileName and
// FileTitle, so a script never takes an earlier pick for a new one.
class CommonDialog : public vbs::Object {
  public:
    explicit CommonDialog(DialogServices& dialogs) : dialogs_(dialogs) {}

    void invoke(std::u16string_view name, vbs::InvokeKind kind, std::span<vbs::Value* const> args,
                vbs::Value& result) override;
    std::u16string typeName() const override { return u"CommonDialog"; }

    static constexpr int kCancelError = 32755;

    // The filter with entry FilterIndex moved to the front.
    static QString orderedFilter(const QString& filter, int filterIndex);
    // "name" plus "." + ext when the name has no extension of its own.
    static QString withDefaultExt(const QString& path, const QString& ext);

  private:
    void show(bool save);
    bool property(std::u16string_view name, vbs::InvokeKind kind, std::span<vbs::Value* const> args,
                  vbs::Value& result);

    DialogServices& dialogs_;
    QString fileName_;
    QString fileTitle_;
    QString filter_;
    int filterIndex_ = 0;
    QString dialogTitle_;
    QString initDir_;
    QString defaultExt_;
    int flags_ = 0;
    bool cancelError_ = false;
    int maxFileSize_ = 260;
};
