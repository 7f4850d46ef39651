#include "SettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(SettingsStore, MissingKeysGiveTheCallersDefault) {
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    EXPECT_EQ(store.get("korvelVbs", "main", "bj"), QString());
    EXPECT_EQ(store.get("korvelbat", "main", "crlfplus", "0"), QStringLiteral("0"));
}

TEST(SettingsStore, ValuesRoundTripPerApplicationAndSection) {
    QTemporaryDir dir;
    {
        SettingsStore store(dir.path());
        store.save("korvelVbs", "main", "title", QStringLiteral("我的标题"));
        store.save("korvelVbs", "main", "End Sub", "no");
        store.save("korvelbat", "main", "crlfplus", "1");
    }
    SettingsStore again(dir.path());
    EXPECT_EQ(again.get("korvelVbs", "main", "title"), QStringLiteral("我的标题"));
    EXPECT_EQ(again.get("korvelVbs", "main", "End Sub"), QStringLiteral("no"));
    // Each product keeps its own store: the sibling's key is not ours.
    EXPECT_EQ(again.get("korvelVbs", "main", "crlfplus", "x"), QStringLiteral("x"));
    EXPECT_EQ(again.get("korvelbat", "main", "crlfplus"), QStringLiteral("1"));
    EXPECT_NE(again.fileFor("korvelVbs"), again.fileFor("korvelbat"));
}

TEST(SettingsStore, EmptyTextIsStoredNotDeleted) {
    QTemporaryDir dir;
    SettingsStore store(dir.path());
    store.save("korvelVbs", "main", "title", "abc");
    store.save("korvelVbs", "main", "title", "");
    EXPECT_EQ(store.get("korvelVbs", "main", "title", "default"), QString());
}
