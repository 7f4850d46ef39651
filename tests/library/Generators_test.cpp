#include <gtest/gtest.h>
#include <vbscript/engine.h>
#include <vbscript/runtime/Locale.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "AppPaths.h"
#include "BatType.h"
#include "BatTypeObject.h"
#include "CommonDialog.h"
#include "DialogServices.h"
#include "LibraryTestSupport.h"
#include "ScriptControl.h"
#include "ScriptRunner.h"
#include "ScriptedArgumentDialogs.h"
#include "StatementTable.h"
#include "TextFile.h"

// Every shipped generator runs through the engine with many kinds of
// answers; whatever it inserts must compile in our engine.
namespace {

QString dataFolder() { return QStringLiteral(KORVEL_SOURCE_DIR "/data"); }

StatementTable& shippedTable() {
    static StatementTable table;
    static const StatementTable::LoadResult loaded = table.load(dataFolder());
    (void)loaded;
    return table;
}

// How the simulated user answers input boxes, folder and file dialogs.
enum class Answers { Defaults, Plain, Quotes, Cancel };

class AnsweringDialogs : public DialogServices {
  public:
    Answers mode = Answers::Defaults;
    QStringList messages;

    int messageBox(const QString& text, int style, const QString&) override {
        messages << text;
        if ((style & 0x70) == Critical) criticals << text;
        return (style & 0x7) == YesNo || (style & 0x7) == YesNoCancel ? Yes : Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&,
                                    const QString& defaultText) override {
        switch (mode) {
            case Answers::Defaults:
                return defaultText.isEmpty() ? QStringLiteral("x1") : defaultText;
            case Answers::Plain:
                return QStringLiteral("x1");
            case Answers::Quotes:
                return QStringLiteral("他说\"好\"");
            case Answers::Cancel:
                return std::nullopt;
        }
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&, const QString&) override {
        return mode == Answers::Cancel ? QString() : QStringLiteral("C:\\资料\\报告 \"终稿\".txt");
    }
    QString saveFileName(const QString& t, const QString& f, const QString& d) override {
        return openFileName(t, f, d);
    }
    QString existingDirectory(const QString&, const QString&) override { return {}; }

    QStringList criticals;
};

bool compiles(const QString& code) {
    vbs::Engine engine;
    try {
        engine.AddCode(std::u16string_view(code.toStdU16String()));
        return true;
    } catch (const vbs::ScriptError&) {
        return false;
    }
}

// Text made only of definitions (and comments) can be added as it stands:
// nothing in it runs.
bool onlyDefinitions(const QString& text) {
    static const QRegularExpression begin(
        QStringLiteral(
            "^(?:(?:Public|Private)\\s+)?(?:Default\\s+)?(Sub|Function|Class|Property)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression end(QStringLiteral("^End\\s+(Sub|Function|Class|Property)\\b"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression optionExplicit(QStringLiteral("^Option\\s+Explicit\\s*$"),
                                                   QRegularExpression::CaseInsensitiveOption);
    int depth = 0;
    bool any = false;
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'\'')) continue;
        if (end.match(line).hasMatch()) {
            --depth;
            continue;
        }
        if (begin.match(line).hasMatch()) {
            ++depth;
            any = true;
            continue;
        }
        if (depth == 0 && !optionExplicit.match(line).hasMatch()) return false;
        if (depth == 0) any = true;
    }
    return any && depth == 0;
}

// The statement as the user would place it: in a procedure, inside a loop
// (so Exit For and Exit Do are valid), or at the top for definitions.
bool insertedTextCompiles(const QString& text) {
    const QString body = QStringLiteral("\r\nDo\r\nFor loopIndex__ = 1 To 1\r\n") + text +
                         QStringLiteral("\r\nNext\r\nLoop\r\n");
    if (compiles(QStringLiteral("Sub CompileCheck__()") + body + QStringLiteral("End Sub")))
        return true;
    if (compiles(QStringLiteral("Function CompileCheck__()") + body +
                 QStringLiteral("End Function")))
        return true;
    return onlyDefinitions(text) && compiles(text);
}

struct Variant {
    Answers answers;
    int option;  // which choice the option dialog picks; -1 closes it
    bool checkAll;
};

QString describe(const Variant& v) {
    static const char* names[] = {"defaults", "plain", "quotes", "cancel"};
    return QStringLiteral("answers=%1 option=%2 checks=%3")
        .arg(QLatin1String(names[int(v.answers)]))
        .arg(v.option)
        .arg(v.checkAll ? QStringLiteral("all") : QStringLiteral("none"));
}

QList<Variant> variants() {
    QList<Variant> all;
    for (Answers a : {Answers::Defaults, Answers::Plain, Answers::Quotes, Answers::Cancel})
        for (int option : {0, 1, 2, 3, 5, -1})
            for (bool checkAll : {true, false}) all.append({a, option, checkAll});
    return all;
}

// One editor session: the host objects registered as at start-up.
struct Session {
    Session() {
        sc.AddObject(QStringLiteral("CBatCode"), vbs::makeRef<BatTypeObject>(&control));
        sc.AddObject(QStringLiteral("CFileDlg"), vbs::makeRef<CommonDialog>(services));
    }
    // Runs a generator; returns what it inserted (empty when it failed).
    QString run(const QString& path, const Variant& v, bool* ok) {
        services.mode = v.answers;
        args.defaultOption = v.option;
        args.defaultCheckAll = v.checkAll;
        args.defaultFolder = v.answers == Answers::Plain    ? QString()
                             : v.answers == Answers::Quotes ? QStringLiteral("D:\\a\"b")
                                                            : QStringLiteral("C:\\临时 文件夹");
        args.defaultFolderCancels = v.answers == Answers::Cancel;
        editor.added.clear();
        services.criticals.clear();
        *ok = runner.runcode(path);
        return editor.added.join(QString());
    }

    FakeEditor editor;
    ScriptedArgumentDialogs args;
    AnsweringDialogs services;
    BatType control{editor, args};
    ScriptControl sc{services};
    ScriptRunner runner{sc, services};
};

TEST(ShippedLibrary, LoadsCompletelyWithEnoughStatementsAndExistingScripts) {
    StatementTable table;
    ASSERT_EQ(table.load(dataFolder()), StatementTable::LoadResult::Ok);
    EXPECT_GE(table.size(), 80);
    const TextFile::ReadResult raw = TextFile::read(StatementTable::libraryPath(dataFolder()));
    EXPECT_EQ(raw.encoding, TextFile::Encoding::Utf8);
    EXPECT_EQ(table.size(), raw.lines.size());
    QStringList names;
    for (const StatementRecord& r : table.records()) {
        EXPECT_FALSE(r.Name.isEmpty());
        EXPECT_FALSE(names.contains(r.Name)) << r.Name.toStdString();
        names << r.Name;
        EXPECT_GE(r.Description.size(), 8) << r.Name.toStdString();
        EXPECT_FALSE(r.FunctionLabel.isEmpty()) << r.Name.toStdString();
        EXPECT_TRUE(QFileInfo::exists(AppPaths::toLocalPath(r.ScriptPath)))
            << r.ScriptPath.toStdString();
    }
}

TEST(ShippedLibrary, EveryFileEndsItsLinesWithCrLf) {
    QStringList files = QDir(dataFolder() + QStringLiteral("/scripts")).entryList({"*.vbs"});
    files << QStringLiteral("../stslist.dat") << QStringLiteral("../fav.dat");
    for (const QString& f : files) {
        QFile file(dataFolder() + QStringLiteral("/scripts/") + f);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << f.toStdString();
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << f.toStdString();
        EXPECT_TRUE(bytes.endsWith("\r\n")) << f.toStdString();
    }
}

TEST(ShippedLibrary, StartingFavouritesAreStatementsThatCompile) {
    const TextFile::ReadResult fav = TextFile::read(dataFolder() + QStringLiteral("/fav.dat"));
    ASSERT_TRUE(fav.ok());
    EXPECT_FALSE(fav.lines.isEmpty());
    for (const QString& line : fav.lines)
        EXPECT_TRUE(insertedTextCompiles(line)) << line.toStdString();
}

class GeneratorTest : public ::testing::TestWithParam<int> {};

TEST_P(GeneratorTest, RunsWithAnyAnswersAndInsertsCompilableCode) {
    const StatementRecord& record = shippedTable().at(GetParam());
    const QString name = record.Name;
    Session session;
    for (const Variant& v : variants()) {
        bool ok = false;
        const QString inserted = session.run(record.ScriptPath, v, &ok);
        const std::string where = (name + QStringLiteral(" [") + describe(v) + u']').toStdString();
        ASSERT_TRUE(ok) << where << ": " << session.runner.lastFailure().toStdString();
        EXPECT_TRUE(session.services.criticals.isEmpty()) << where;
        if (v.answers == Answers::Defaults && v.option == 0 && v.checkAll) {
            EXPECT_FALSE(inserted.isEmpty()) << where << ": nothing inserted with the defaults";
        }
        if (inserted.isEmpty()) continue;
        EXPECT_TRUE(inserted.endsWith(QStringLiteral("\r\n"))) << where;
        EXPECT_TRUE(insertedTextCompiles(inserted)) << where << ":\n" << inserted.toStdString();
    }
}

std::string recordName(const ::testing::TestParamInfo<int>& info) {
    return "statement" + std::to_string(info.param);
}

INSTANTIATE_TEST_SUITE_P(Shipped, GeneratorTest,
                         ::testing::Range(0, std::max(1, shippedTable().size())), recordName);

// The sort procedure the library inserts, run on real data in each of its modes.
TEST(ShippedLibrary, SortProcedureSortsByPinyinByCodeAndByNumber) {
    Session session;
    bool ok = false;
    const QString sorter = session.run(dataFolder() + QStringLiteral("/scripts/sortarray.vbs"),
                                       Variant{Answers::Defaults, 0, true}, &ok);
    ASSERT_TRUE(ok) << session.runner.lastFailure().toStdString();
    ASSERT_TRUE(sorter.contains(QStringLiteral("Sub SortArray(items, mode, descending)")));
    vbs::runtime::Locale::setCurrent(vbs::runtime::Locale::chinese());
    vbs::Engine engine;
    engine.AddCode(std::u16string_view(sorter.toStdU16String()));
    auto sorted = [&](const char16_t* setup, const char16_t* call) {
        engine.AddCode(setup);
        engine.AddCode(call);
        return engine.Eval(u"Join(a, \" \")").toString();
    };
    const char16_t* names = u"a = Array(\"张三\", \"bob\", \"李四\", \"Alice\", \"王五\", \"阿明\")";
    EXPECT_EQ(sorted(names, u"SortArray a, vbTextCompare, False"), u"Alice bob 阿明 李四 王五 张三");
    EXPECT_EQ(sorted(names, u"SortArray a, vbTextCompare, True"), u"张三 王五 李四 阿明 bob Alice");
    EXPECT_EQ(sorted(names, u"SortArray a, vbBinaryCompare, False"), u"Alice bob 张三 李四 王五 阿明");
    EXPECT_EQ(sorted(u"a = Array(10, \"9\", 100, 2.5, -1)", u"SortArray a, -1, False"),
              u"-1 2.5 9 10 100");
    EXPECT_EQ(sorted(u"a = Array()", u"SortArray a, -1, False"), u"");
    EXPECT_EQ(sorted(u"a = Array(\"一\")", u"SortArray a, 1, False"), u"一");
    vbs::runtime::Locale::setCurrent(vbs::runtime::Locale::english());
}

TEST(ShippedLibrary, AllGeneratorsShareOneEngineAsInTheEditor) {
    Session session;
    const Variant defaults{Answers::Defaults, 0, true};
    for (const StatementRecord& r : shippedTable().records()) {
        bool ok = false;
        const QString inserted = session.run(r.ScriptPath, defaults, &ok);
        EXPECT_TRUE(ok) << r.Name.toStdString() << ": "
                        << session.runner.lastFailure().toStdString();
        EXPECT_FALSE(inserted.isEmpty()) << r.Name.toStdString();
    }
}

}  // namespace
