#include "oskavel_locale.h"
#include "str_table.h"

#ifdef HALVENOR_LOCALE_PROBE

#include <cstdio>

// Built a second time as a child program: Qt reads the system locale once per
// process, so each locale under test needs a process of its own.
int main()
{
    std::printf("%s\n", qPrintable(OskavelLocale::getInstance()->getDefaultLanguage()));
    return 0;
}

#else

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

const QString kTranslationsDir =
    QStringLiteral(HALVENOR_SOURCE_DIR "/ui-client/launcher/translations");

const std::vector<QString> kShippedCodes{"chs", "cht", "csy", "dan", "enu", "fre", "ger",
                                         "hun", "ita", "jpn", "krn", "nld", "nor", "plk",
                                         "ptb", "ptg", "rus", "spn", "sve", "trk"};

TEST(OskavelLocaleTest, WorkedResults)
{
    OskavelLocale locale;
    const std::vector<std::pair<QString, QString>> cases{
        {"en_us", "enu"}, {"ja_jp", "jpn"}, {"nb_no", "nor"}, {"nn_no", "nor"}, {"pt_br", "ptb"},
        {"pt_pt", "ptg"}, {"pt", "ptg"},    {"zh_cn", "chs"}, {"zh_sg", "chs"}, {"zh", "chs"},
        {"zh_tw", "cht"}, {"zh_hk", "cht"}, {"zh_mo", "cht"}, {"fi_fi", "enu"}, {"c", "enu"},
        {"ko_kr", "krn"}, {"it_it", "ita"}, {"ru_ru", "rus"}, {"da_dk", "dan"}, {"no", "nor"},
        {"sv_se", "sve"}, {"nl_nl", "nld"}, {"pl_pl", "plk"}, {"hu_hu", "hun"}, {"tr_tr", "trk"},
        {"cs_cz", "csy"}, {"en", "enu"},    {"", "enu"}};
    for (const auto& c : cases) {
        EXPECT_EQ(locale.getLanguageByLocale(c.first), c.second) << c.first.toStdString();
    }
}

TEST(OskavelLocaleTest, GermanFrenchAndSpanishNameTheirTranslations)
{
    OskavelLocale locale;
    const std::vector<std::pair<QString, QString>> cases{
        {"de_de", "ger"}, {"de_at", "ger"}, {"de_ch", "ger"}, {"de", "ger"},    {"fr_fr", "fre"},
        {"fr_ca", "fre"}, {"fr", "fre"},    {"es_es", "spn"}, {"es_mx", "spn"}, {"es", "spn"}};
    for (const auto& c : cases) {
        EXPECT_EQ(locale.getLanguageByLocale(c.first), c.second) << c.first.toStdString();
    }
}

TEST(OskavelLocaleTest, PortugueseAndChineseDependOnTheWholeName)
{
    OskavelLocale locale;
    // Only the exact European names give ptg; every other name gives ptb.
    EXPECT_EQ(locale.getPortugueseLanguage("pt"), "ptg");
    EXPECT_EQ(locale.getPortugueseLanguage("pt_pt"), "ptg");
    EXPECT_EQ(locale.getPortugueseLanguage("pt_br"), "ptb");
    EXPECT_EQ(locale.getPortugueseLanguage("pt_ao"), "ptb");
    EXPECT_EQ(locale.getPortugueseLanguage("pt_pt_x"), "ptb");
    EXPECT_EQ(locale.getPortugueseLanguage(""), "ptb");
    EXPECT_EQ(locale.getLanguageByLocale("pt_ao"), "ptb");

    // Only Taiwan, Hong Kong and Macao give cht.
    EXPECT_EQ(locale.getChineseLanguage("zh_tw"), "cht");
    EXPECT_EQ(locale.getChineseLanguage("zh_hk"), "cht");
    EXPECT_EQ(locale.getChineseLanguage("zh_mo"), "cht");
    EXPECT_EQ(locale.getChineseLanguage("zh_cn"), "chs");
    EXPECT_EQ(locale.getChineseLanguage("zh"), "chs");
    EXPECT_EQ(locale.getChineseLanguage(""), "chs");

    // Rules are written in lower case and compared exactly.
    EXPECT_EQ(locale.getLanguageByLocale("DE_DE"), "enu");
    EXPECT_EQ(locale.getLanguageByLocale("PT_PT"), "enu");
    EXPECT_EQ(locale.getLanguageByLocale("zh_TW"), "chs");
    EXPECT_EQ(locale.getLanguageByLocale("pt_PT"), "ptb");
}

TEST(OskavelLocaleTest, SetLanguageMapAddsAndReplacesEntries)
{
    OskavelLocale locale;
    // A new prefix.
    EXPECT_EQ(locale.getLanguageByLocale("fi_fi"), "enu");
    locale.setLanguageMap("fi", "sve");
    EXPECT_EQ(locale.getLanguageByLocale("fi_fi"), "sve");
    EXPECT_EQ(locale.getLanguageByLocale("fi"), "sve");

    // Replacing an entry, including one the constructor made.
    locale.setLanguageMap("fi", "dan");
    EXPECT_EQ(locale.getLanguageByLocale("fi_fi"), "dan");
    locale.setLanguageMap("en", "ger");
    EXPECT_EQ(locale.getLanguageByLocale("en_gb"), "ger");

    // Portuguese and Chinese are decided before the map is consulted.
    locale.setLanguageMap("pt", "enu");
    locale.setLanguageMap("zh", "enu");
    EXPECT_EQ(locale.getLanguageByLocale("pt_br"), "ptb");
    EXPECT_EQ(locale.getLanguageByLocale("zh_hk"), "cht");

    // Another instance keeps its own map.
    EXPECT_EQ(OskavelLocale().getLanguageByLocale("fi_fi"), "enu");
}

TEST(OskavelLocaleTest, GetInstanceReturnsOneObject)
{
    OskavelLocale* first = OskavelLocale::getInstance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(OskavelLocale::getInstance(), first);
}

TEST(OskavelLocaleTest, EveryLocaleTheToolkitKnowsYieldsAShippedTranslation)
{
    OskavelLocale locale;
    std::set<QString> reached;
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyCountry);
    ASSERT_GT(all.size(), 100);
    for (const QLocale& l : all) {
        const QString code = locale.getLanguageByLocale(l.name().toLower());
        reached.insert(code);
        EXPECT_TRUE(QFileInfo::exists(kTranslationsDir + "/" + code + ".ts"))
            << l.name().toStdString() << " gives " << code.toStdString()
            << ", which has no translation";
    }
    // And no shipped translation is out of reach.
    for (const QString& code : kShippedCodes) {
        EXPECT_EQ(reached.count(code), 1u) << code.toStdString() << " is never chosen";
    }
}

// Runs the probe program with only the given locale in its environment.
QString ProbeDefaultLanguage(const QString& locale)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LC_TIME",
                             "LC_MONETARY", "LC_COLLATE", "LC_CTYPE", "LANG"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert("LC_ALL", locale);
    env.insert("LANG", locale);
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QStringLiteral(HALVENOR_LOCALE_PROBE_PATH), QStringList());
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
        return QStringLiteral("<probe failed: %1>").arg(probe.errorString());
    }
    return QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
}

TEST(OskavelLocaleTest, SystemLocaleSelectsTheTranslation)
{
    if (!QFileInfo(QStringLiteral(HALVENOR_LOCALE_PROBE_PATH)).isExecutable()) {
        GTEST_SKIP() << "probe program missing: " HALVENOR_LOCALE_PROBE_PATH;
    }
    const std::vector<std::pair<QString, QString>> cases{
        {"pt_BR.UTF-8", "ptb"}, {"pt_PT.UTF-8", "ptg"}, {"zh_HK.UTF-8", "cht"},
        {"zh_SG.UTF-8", "chs"}, {"zh_TW.UTF-8", "cht"}, {"nb_NO.UTF-8", "nor"},
        {"de_DE.UTF-8", "ger"}, {"fr_CA.UTF-8", "fre"}, {"es_ES.UTF-8", "spn"},
        {"ja_JP.UTF-8", "jpn"}, {"fi_FI.UTF-8", "enu"}, {"C", "enu"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ProbeDefaultLanguage(c.first), c.second) << c.first.toStdString();
    }
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

// Reads the messages of a TS file; an empty result with *error set on failure.
std::vector<Message> ReadTs(const QString& path, QString* language, QString* error)
{
    std::vector<Message> out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return out;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("TS")) {
                *language = xml.attributes().value("language").toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                current = Message{context, {}, {}, {}};
            } else if (name == QLatin1String("source")) {
                current.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                current.type = xml.attributes().value("type").toString();
                current.translation = xml.readElementText();
                out.push_back(current);
            }
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        out.clear();
    }
    return out;
}

// A per-test folder, kept when the test fails.
class TempDirTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(tmp.path().empty()); }
    QString Path(const QString& name) const
    {
        return QString::fromStdString(tmp.path() + "/") + name;
    }

    // Runs a program to its end; returns its exit code, -1 when it did not run.
    int Run(const QString& program, const QStringList& args, QString* output = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) {
            return -1;
        }
        const QString text = QString::fromUtf8(p.readAll());
        if (output) {
            *output = text;
        }
        return p.exitCode();
    }

    void WriteFile(const QString& name, const QByteArray& data)
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }

    testutil::TempDir tmp;
};

using ShippedTranslationsTest = TempDirTest;

TEST_F(ShippedTranslationsTest, SourcesMatchTheTableAndCarryTheLauncherTexts)
{
    StrTable::InitStrTable();
    std::vector<QString> distinct;
    std::set<QString> seen;
    for (int id = 0; id < StrTable::kCount; ++id) {
        const QString text = QString::fromUtf8(StrTable::stab[id]);
        if (seen.insert(text).second) {
            distinct.push_back(text);
        }
    }
    ASSERT_EQ(distinct.size(), 600u);

    const std::map<QString, std::pair<QString, QString>> launcherTexts{
        {"chs", {"Halvenor Drive 已就绪。", "Halvenor Drive 正在初始化..."}},
        {"cht", {"Halvenor Drive 準備完成", "Halvenor Drive 準備中..."}},
        {"csy", {"Halvenor Drive je připravena.", "Halvenor Drive se inicializuje..."}},
        {"dan", {"Halvenor Drive er klar.", "Halvenor Drive initialiserer..."}},
        {"enu", {"Halvenor Drive is ready.", "Halvenor Drive is initializing..."}},
        {"fre", {"Halvenor Drive est prêt.", "Halvenor Drive est en cours d'initialisation..."}},
        {"ger", {"Halvenor Drive ist bereit.", "Halvenor Drive wird initialisiert ..."}},
        {"hun", {"A Halvenor Drive készen áll.", "A Halvenor Drive inicializálása folyamatban..."}},
        {"ita", {"Halvenor Drive pronta.", "Halvenor Drive sta inizializzando..."}},
        {"jpn", {"Halvenor Drive は準備完了です。", "Halvenor Drive は初期化中です。"}},
        {"krn", {"Halvenor Drive 사용 준비가 되었습니다.", "Halvenor Drive 초기화 중..."}},
        {"nld", {"Halvenor Drive is gereed.", "Halvenor Drive is bezig met initialisatie..."}},
        {"nor", {"Halvenor Drive er klar.", "Halvenor Drive starter opp..."}},
        {"plk",
         {"Aplikacja Halvenor Drive jest gotowa.", "Aplikacja Halvenor Drive jest inicjowana..."}},
        {"ptb", {"O Halvenor Drive está pronto.", "O Halvenor Drive está sendo inicializado..."}},
        {"ptg", {"Halvenor Drive pronta.", "Halvenor Drive a iniciar..."}},
        {"rus", {"Halvenor Drive готов.", "Halvenor Drive выполняет инициализацию..."}},
        {"spn", {"Halvenor Drive está lista.", "Halvenor Drive se está inicializando..."}},
        {"sve", {"Halvenor Drive är klar.", "Halvenor Drive initialiserar..."}},
        {"trk", {"Halvenor Drive hazır.", "Halvenor Drive başlıyor..."}}};

    const QStringList files =
        QDir(kTranslationsDir).entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 20);

    const bool haveLrelease = QFileInfo(QStringLiteral(HALVENOR_LRELEASE)).isExecutable();
    int argc = 1;
    char arg0[] = "oskavel_locale_test";
    char* argv[] = {arg0, nullptr};
    QCoreApplication app(argc, argv);

    for (const QString& code : kShippedCodes) {
        SCOPED_TRACE(code.toStdString());
        const QString path = kTranslationsDir + "/" + code + ".ts";
        QString language;
        QString error;
        const std::vector<Message> messages = ReadTs(path, &language, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_FALSE(language.isEmpty());

        // One live message per distinct text, in table order, all in "global".
        ASSERT_EQ(messages.size(), distinct.size());
        for (size_t i = 0; i < messages.size(); ++i) {
            EXPECT_EQ(messages[i].context, "global");
            EXPECT_EQ(messages[i].source, distinct[i]) << i;
            EXPECT_NE(messages[i].type, "vanished");
            EXPECT_NE(messages[i].type, "obsolete");
            if (code == "enu") {
                EXPECT_EQ(messages[i].translation, messages[i].source) << i;
                EXPECT_TRUE(messages[i].type.isEmpty()) << i;
            }
        }

        // The compiled translation gives the launcher's three texts through LoadStr.
        if (!haveLrelease) {
            continue;
        }
        const QString qm = Path(code + ".qm");
        QString output;
        ASSERT_EQ(Run(HALVENOR_LRELEASE, {"-silent", path, "-qm", qm}, &output), 0)
            << output.toStdString();
        QTranslator translator;
        ASSERT_TRUE(translator.load(qm));
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
        EXPECT_EQ(StrTable::LoadStr(35), "Halvenor Drive");
        EXPECT_EQ(StrTable::LoadStr(107), launcherTexts.at(code).first);
        EXPECT_EQ(StrTable::LoadStr(109), launcherTexts.at(code).second);
        QCoreApplication::removeTranslator(&translator);
    }
    if (!haveLrelease) {
        GTEST_SKIP() << "sources checked; lrelease not found, so the compiled texts were not";
    }
}

using UpdateTranslationsTest = TempDirTest;

TEST_F(UpdateTranslationsTest, RegeneratesMessagesAndKeepsTranslations)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        GTEST_SKIP() << "python3 not found";
    }
    const QString tool = QStringLiteral(HALVENOR_SOURCE_DIR "/scripts/update-translations");
    const QString table = Path("table.cpp");
    const QString tsDir = Path("ts");
    const QString gerTs = tsDir + "/ger.ts";
    QString output;
    QString language;
    QString error;

    // First run: escapes resolved as the compiler does, adjacent literals joined,
    // shared texts once, comments ignored.
    WriteFile("table.cpp", "const Entry kEntries[] = {\n"
                           "    {\"one\", \"One\"}, // 0 {\"fake\", \"Fake\"}\n"
                           "    {\"two\", \"Two\\\\nlines\"}, /* 1 */\n"
                           "    {\"quote\", \"Say \\\"hi\\\" & <go>\"},\n"
                           "    {\"again\", \"One\"},\n"
                           "    {\"split\", \"Caf\\xc3\\xa9\" \" split\"},\n"
                           "};\n");
    ASSERT_EQ(Run(python, {tool, "--source", table, "--ts-dir", tsDir, "ger"}, &output), 0)
        << output.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tsDir + "/fre.ts"));

    std::vector<Message> ger = ReadTs(gerTs, &language, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(language, "de");
    const std::vector<QString> sources{"One", "Two\\nlines", "Say \"hi\" & <go>",
                                       QString::fromUtf8("Caf\xc3\xa9 split")};
    ASSERT_EQ(ger.size(), sources.size());
    for (size_t i = 0; i < ger.size(); ++i) {
        EXPECT_EQ(ger[i].context, "global");
        EXPECT_EQ(ger[i].source, sources[i]);
        EXPECT_EQ(ger[i].type, "unfinished");
        EXPECT_TRUE(ger[i].translation.isEmpty());
    }
    // A translator's work survives; a text that left the table is marked vanished.
    WriteFile("ts/ger.ts", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                           "<TS version=\"2.1\" language=\"de\"><context><name>global</name>\n"
                           "<message><source>One</source><translation>Eins</translation>"
                           "</message>\n"
                           "<message><source>Two\\nlines</source>"
                           "<translation>Zwei\\nZeilen</translation></message>\n"
                           "</context></TS>\n");
    WriteFile("table.cpp", "const Entry kEntries[] = {\n"
                           "    {\"one\", \"One\"},\n"
                           "    {\"three\", \"Three\"},\n"
                           "};\n");
    ASSERT_EQ(Run(python, {tool, "--source", table, "--ts-dir", tsDir, "ger"}, &output), 0)
        << output.toStdString();
    ger = ReadTs(gerTs, &language, &error);
    ASSERT_EQ(ger.size(), 3u);
    EXPECT_EQ(ger[0].source, "One");
    EXPECT_EQ(ger[0].translation, "Eins");
    EXPECT_TRUE(ger[0].type.isEmpty());
    EXPECT_EQ(ger[1].source, "Three");
    EXPECT_EQ(ger[1].type, "unfinished");
    EXPECT_EQ(ger[2].source, "Two\\nlines");
    EXPECT_EQ(ger[2].translation, "Zwei\\nZeilen");
    EXPECT_EQ(ger[2].type, "vanished");

    // With --drop-obsolete it is gone.
    ASSERT_EQ(Run(python, {tool, "--source", table, "--ts-dir", tsDir, "--drop-obsolete", "ger"},
                  &output),
              0)
        << output.toStdString();
    ger = ReadTs(gerTs, &language, &error);
    ASSERT_EQ(ger.size(), 2u);
    EXPECT_EQ(ger[0].translation, "Eins");
    EXPECT_EQ(ger[1].source, "Three");

    // A malformed table is refused and nothing is written.
    const QByteArray before = [&] {
        QFile f(gerTs);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    WriteFile("table.cpp", "const Entry kEntries[] = {\n    {\"one\" \"One\"},\n};\n");
    EXPECT_NE(Run(python, {tool, "--source", table, "--ts-dir", tsDir, "ger"}, &output), 0);
    EXPECT_TRUE(output.contains("table.cpp:2")) << output.toStdString();
    QFile after(gerTs);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

} // namespace

#endif
