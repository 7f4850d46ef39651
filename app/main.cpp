#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

#include "EditorApp.h"
#include "Version.h"
#include "vbscript/value.h"

namespace {

void loadQtTranslations(QApplication& app) {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_zh_CN", "qt_zh_CN"}) {
        auto* t = new QTranslator(&app);
        if (t->load(QString::fromLatin1(name), dir))
            app.installTranslator(t);
        else
            delete t;
    }
}

void useChineseCapableFont(QApplication& app) {
    QFont f = app.font();
    QStringList families = f.families();
    if (families.isEmpty()) families << f.family();
    families << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("Noto Sans CJK SC");
    f.setFamilies(families);
    app.setFont(f);
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version must work without a display.
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--version" || a == "-v") {
            std::printf("KorvelVBS编辑器 %s\n", Version::text);
            return 0;
        }
        if (a == "--help" || a == "-h") {
            std::printf(
                "用法：korvelvbs [选项] [文件.vbs]\n"
                "VBScript 脚本编辑器。\n\n"
                "选项：\n"
                "  -h, --help     显示本帮助并退出\n"
                "  -v, --version  显示版本号并退出\n\n"
                "参数：\n"
                "  文件.vbs       启动后打开的脚本文件\n");
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvelvbs"));
    QApplication::setApplicationDisplayName(QStringLiteral("KorvelVBS编辑器"));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::text));
    loadQtTranslations(app);
    // The interface is Chinese, so are the error texts of the scripts it runs.
    vbs::setMessageLanguage(vbs::MessageLanguage::Chinese);
    useChineseCapableFont(app);

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("脚本文件"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    EditorApp editor(files.isEmpty() ? QString() : files.first());
    editor.begin();
    return app.exec();
}
