#include "str_table.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTranslator>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

#include <climits>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

class StrTableTest : public ::testing::Test
{
protected:
    void SetUp() override { StrTable::InitStrTable(); }
};

TEST_F(StrTableTest, TableHoldsEveryEntryWithItsKeyAndText)
{
    std::map<std::string, int> uses;
    std::set<std::string> lowerKeys;
    for (int id = 0; id < StrTable::kCount; ++id) {
        ASSERT_NE(StrTable::ktab[id], nullptr) << id;
        ASSERT_NE(StrTable::stab[id], nullptr) << id;
        const std::string key = StrTable::ktab[id];
        const QByteArray text = StrTable::stab[id];

        // Keys are printable ASCII and unique also when case is ignored.
        EXPECT_FALSE(key.empty()) << id;
        for (char c : key) {
            EXPECT_TRUE(c > 0x20 && c < 0x7f) << "id " << id << " key " << key;
        }
        EXPECT_TRUE(lowerKeys.insert(QByteArray::fromStdString(key).toLower().toStdString()).second)
            << "key " << key << " appears twice";

        // Texts are non-empty valid UTF-8.
        EXPECT_FALSE(text.isEmpty()) << id;
        EXPECT_EQ(QString::fromUtf8(text).toUtf8(), text) << id;
        ++uses[text.toStdString()];
    }
    EXPECT_EQ(StrTable::kCount, 655);

    // The translation sources hold one message per distinct text.
    int shared = 0;
    for (const auto& entry : uses) {
        shared += entry.second > 1 ? 1 : 0;
    }
    EXPECT_EQ(uses.size(), 600u);
    EXPECT_EQ(shared, 36);
    EXPECT_EQ(uses["Settings"], 4);

    // Ids are fixed numbers: spot checks across the table catch a shifted row.
    const std::vector<std::pair<int, const char*>> anchors{
        {0, "NSIS_HALVENOR_INSTALLED_CURRENT"},
        {35, "app_name"},
        {100, "create_sync_task_shared_with_me"},
        {107, "desc_halvenor_env_preparation_done"},
        {109, "desc_halvenor_env_preparing"},
        {118, "tavlo_overview"},
        {300, "msg_download_done"},
        {400, "msi_ready_dlg_text"},
        {500, "sharing_link"},
        {600, "wizard_client_upgrade"},
        {654, "yes"}};
    for (const auto& anchor : anchors) {
        EXPECT_STREQ(StrTable::ktab[anchor.first], anchor.second) << anchor.first;
    }
    EXPECT_STREQ(StrTable::stab[35], "Halvenor Drive");
    EXPECT_STREQ(StrTable::stab[107], "Halvenor Drive is ready.");
    EXPECT_STREQ(StrTable::stab[109], "Halvenor Drive is initializing...");
}

TEST_F(StrTableTest, InitAgainWritesTheSameValues)
{
    std::vector<std::string> keys;
    std::vector<std::string> texts;
    for (int id = 0; id < StrTable::kCount; ++id) {
        keys.emplace_back(StrTable::ktab[id]);
        texts.emplace_back(StrTable::stab[id]);
    }
    for (int id = 0; id < StrTable::kCount; ++id) {
        StrTable::ktab[id] = nullptr;
        StrTable::stab[id] = "overwritten";
    }
    StrTable::InitStrTable();
    StrTable::InitStrTable();
    for (int id = 0; id < StrTable::kCount; ++id) {
        ASSERT_NE(StrTable::ktab[id], nullptr) << id;
        EXPECT_EQ(keys[id], StrTable::ktab[id]) << id;
        EXPECT_EQ(texts[id], StrTable::stab[id]) << id;
    }
}

TEST_F(StrTableTest, LoadStrWithoutTranslatorGivesTheEnglishText)
{
    // No application object and no translator: the source text itself.
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_EQ(StrTable::LoadStr(35), QStringLiteral("Halvenor Drive"));
    EXPECT_EQ(StrTable::LoadStr(107), QStringLiteral("Halvenor Drive is ready."));
    EXPECT_EQ(StrTable::LoadStr(109), QStringLiteral("Halvenor Drive is initializing..."));

    // Written escapes become control characters; everything else is unchanged.
    int withBreak = 0;
    for (int id = 0; id < StrTable::kCount; ++id) {
        const QString source = QString::fromUtf8(StrTable::stab[id]);
        const QString loaded = StrTable::LoadStr(id);
        const int escapes = source.count(QStringLiteral("\\n"));
        withBreak += escapes > 0 ? 1 : 0;
        EXPECT_EQ(loaded.count(QLatin1Char('\n')), escapes) << id;
        EXPECT_FALSE(loaded.contains(QStringLiteral("\\n"))) << id;
        if (!source.contains(QLatin1Char('\\'))) {
            EXPECT_EQ(loaded, source) << id;
        }
    }
    EXPECT_GT(withBreak, 0) << "no text exercises the line-break escape";
    const QString two = StrTable::LoadStr(2);
    EXPECT_TRUE(two.startsWith(QStringLiteral("Installing for all users requires administrator "
                                              "rights.\nDo you want")))
        << two.toStdString();

    // Ids outside the table give an empty text.
    EXPECT_TRUE(StrTable::LoadStr(-1).isEmpty());
    EXPECT_TRUE(StrTable::LoadStr(StrTable::kCount).isEmpty());
    EXPECT_TRUE(StrTable::LoadStr(INT_MIN).isEmpty());
    EXPECT_TRUE(StrTable::LoadStr(INT_MAX).isEmpty());
    EXPECT_FALSE(StrTable::LoadStr(StrTable::kCount - 1).isEmpty());
}

TEST_F(StrTableTest, LookupStrIDMatchesWholeKeysIgnoringCase)
{
    // Case is ignored.
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("APP_NAME")), 35);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("App_Name")), 35);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("yes")), 654);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("YES")), 654);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("nsis_halvenor_installed_current")), 0);

    // Every key leads back to its own id, in any case.
    for (int id = 0; id < StrTable::kCount; ++id) {
        const QString key = QString::fromLatin1(StrTable::ktab[id]);
        EXPECT_EQ(StrTable::LookupStrID(key), id) << StrTable::ktab[id];
        EXPECT_EQ(StrTable::LookupStrID(key.toUpper()), id) << StrTable::ktab[id];
    }

    // Anything but a whole key is not found.
    EXPECT_EQ(StrTable::LookupStrID(QString()), -1);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("")), -1);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("no_such_key")), -1);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("app_nam")), -1);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("app_name ")), -1);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral(" app_name")), -1);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("app_name") + QChar(0) + QStringLiteral("x")),
              -1);
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("\u00e4pp_name")), -1);
}

struct TsMessage
{
    const char* context;
    const char* source;
    const char* translation;
};

// Translations reach LoadStr only through an application object, so each test
// builds one, compiles its own TS file with lrelease and installs the result.
class StrTableTranslationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StrTable::InitStrTable();
        app = std::make_unique<QCoreApplication>(argc, argv);
        ASSERT_FALSE(tmp.path().empty());
        if (!QFileInfo(QStringLiteral(HALVENOR_LRELEASE)).isExecutable()) {
            GTEST_SKIP() << "lrelease not found (looked for '" HALVENOR_LRELEASE "')";
        }
    }

    void TearDown() override
    {
        if (translator) {
            QCoreApplication::removeTranslator(translator.get());
        }
    }

    void Install(const std::vector<TsMessage>& messages)
    {
        QByteArray ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                        "<TS version=\"2.1\">\n";
        for (const TsMessage& m : messages) {
            ts += "<context><name>" + QByteArray(m.context) + "</name><message>";
            ts += "<source>" + QString::fromUtf8(m.source).toHtmlEscaped().toUtf8() + "</source>";
            ts += "<translation>" + QString::fromUtf8(m.translation).toHtmlEscaped().toUtf8() +
                  "</translation></message></context>\n";
        }
        ts += "</TS>\n";
        const QString tsPath = QString::fromStdString(tmp.path() + "/test.ts");
        const QString qmPath = QString::fromStdString(tmp.path() + "/test.qm");
        QFile file(tsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(ts), ts.size());
        file.close();

        QProcess lrelease;
        lrelease.setProcessChannelMode(QProcess::MergedChannels);
        lrelease.start(QStringLiteral(HALVENOR_LRELEASE),
                       {QStringLiteral("-silent"), tsPath, QStringLiteral("-qm"), qmPath});
        ASSERT_TRUE(lrelease.waitForFinished(60000));
        ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAll().toStdString();

        translator = std::make_unique<QTranslator>();
        ASSERT_TRUE(translator->load(qmPath));
        ASSERT_TRUE(QCoreApplication::installTranslator(translator.get()));
    }

    int argc = 1;
    char arg0[20] = "str_table_test";
    char* argv[2] = {arg0, nullptr};
    std::unique_ptr<QCoreApplication> app;
    testutil::TempDir tmp;
    std::unique_ptr<QTranslator> translator;
};

TEST_F(StrTableTranslationTest, LoadStrTranslatesInTheGlobalContextAndResolvesEscapes)
{
    Install({
        {"global", "Halvenor Drive is initializing...", "Zeile eins\\nZeile zwei\\tEnde"},
        {"global", "Halvenor Drive is ready.",
         "Halvenor Drive \xe6\xba\x96\xe5\x82\x99\xe5\xae\x8c"},
        {"global", "Cancel", "Abbrechen"},
        {"global", StrTable::stab[2], "Nur\\nf\xc3\xbcr mich"},
        // A message of another context must not be used.
        {"other", "Halvenor Drive", "Falsch"},
    });

    // A translated backslash-n and backslash-t become a line feed and a tab.
    EXPECT_EQ(StrTable::LoadStr(109), QStringLiteral("Zeile eins\nZeile zwei\tEnde"));
    EXPECT_EQ(StrTable::LoadStr(2), QStringLiteral("Nur\nf\u00fcr mich"));
    // Translations are read as UTF-8.
    EXPECT_EQ(StrTable::LoadStr(107), QStringLiteral("Halvenor Drive \u6e96\u5099\u5b8c"));

    // A translation serves every id that shares the text.
    EXPECT_EQ(StrTable::LoadStr(110), StrTable::LoadStr(109));
    EXPECT_EQ(StrTable::LoadStr(47), QStringLiteral("Abbrechen"));
    EXPECT_EQ(StrTable::LoadStr(276), QStringLiteral("Abbrechen"));
    EXPECT_EQ(StrTable::LoadStr(340), QStringLiteral("Abbrechen"));

    // Untranslated and foreign-context texts stay English.
    EXPECT_EQ(StrTable::LoadStr(35), QStringLiteral("Halvenor Drive"));
    EXPECT_EQ(StrTable::LoadStr(58), QStringLiteral("OK"));
}

} // namespace
