#include "CommonDialog.h"

#include <QFileInfo>
#include <QStringList>

#include "DialogServices.h"
#include "ScriptArgs.h"

using vbs::InvokeKind;

QString CommonDialog::orderedFilter(const QString& filter, int filterIndex) {
    QStringList parts = filter.split(u'|');
    const int pairs = int(parts.size()) / 2;
    if (filterIndex <= 1 || filterIndex > pairs) return filter;
    const int at = (filterIndex - 1) * 2;
    const QString description = parts.takeAt(at);
    const QString pattern = parts.takeAt(at);
    parts.insert(0, pattern);
    parts.insert(0, description);
    return parts.join(u'|');
}

QString CommonDialog::withDefaultExt(const QString& path, const QString& ext) {
    QString e = ext;
    while (e.startsWith(u'.')) e.remove(0, 1);
    if (e.isEmpty() || path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + u'.' + e;
}

void CommonDialog::show(bool save) {
    const QString filter = orderedFilter(filter_, filterIndex_);
    const QString picked = save ? dialogs_.saveFileName(dialogTitle_, filter, initDir_)
                                : dialogs_.openFileName(dialogTitle_, filter, initDir_);
    if (picked.isEmpty()) {
        fileName_.clear();
        fileTitle_.clear();
        if (cancelError_) vbs::throwError(kCancelError, u"已取消选择文件。", u"CommonDialog");
        return;
    }
    fileName_ = withDefaultExt(picked, defaultExt_);
    fileTitle_ = QFileInfo(fileName_).fileName();
}

bool CommonDialog::property(std::u16string_view name, InvokeKind kind,
                            std::span<vbs::Value* const> args, vbs::Value& result) {
    struct Text {
        const char16_t* name;
        QString* field;
    };
    const Text texts[] = {{u"FileName", &fileName_},
                          {u"Filter", &filter_},
                          {u"DialogTitle", &dialogTitle_},
                          {u"InitDir", &initDir_},
                          {u"DefaultExt", &defaultExt_}};
    struct Number {
        const char16_t* name;
        int* field;
    };
    const Number numbers[] = {
        {u"FilterIndex", &filterIndex_}, {u"Flags", &flags_}, {u"MaxFileSize", &maxFileSize_}};
    const bool write = kind == InvokeKind::Let;

    for (const Text& t : texts) {
        if (!vbs::iequals(name, t.name)) continue;
        if (write)
            *t.field = ScriptArgs::text(*args.back());
        else
            result = ScriptArgs::toValue(*t.field);
        return true;
    }
    for (const Number& n : numbers) {
        if (!vbs::iequals(name, n.name)) continue;
        if (write)
            *n.field = args.back()->deref().toLong();
        else
            result = vbs::Value(int32_t(*n.field));
        return true;
    }
    if (vbs::iequals(name, u"CancelError")) {
        if (write)
            cancelError_ = args.back()->deref().toBool();
        else
            result = vbs::Value(cancelError_);
        return true;
    }
    if (vbs::iequals(name, u"FileTitle")) {
        if (write) vbs::throwError(383);  // read-only, as the control has it
        result = ScriptArgs::toValue(fileTitle_);
        return true;
    }
    return false;
}

void CommonDialog::invoke(std::u16string_view name, InvokeKind kind,
                          std::span<vbs::Value* const> args, vbs::Value& result) {
    if (kind == InvokeKind::Set) vbs::throwError(438);
    if (kind == InvokeKind::Let)
        ScriptArgs::expectCount(args, 1);
    else if (vbs::iequals(name, u"ShowOpen") || vbs::iequals(name, u"ShowSave")) {
        ScriptArgs::expectCount(args, 0);
        show(vbs::iequals(name, u"ShowSave"));
        return;
    } else {
        ScriptArgs::expectCount(args, 0);
    }
    if (!property(name, kind, args, result)) vbs::throwError(438);
}
