// The built-in catalogues, read back from the resource collection the
// launcher embeds, checked against the string table they translate.

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtEndian>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "str_table.h"

int qInitResources_texts();

namespace {

const char* const kLanguages[] = {"chs", "cht", "csy", "dan", "enu", "fre", "ger",
                                  "hun", "ita", "jpn", "krn", "nld", "nor", "plk",
                                  "ptb", "ptg", "rus", "spn", "sve", "trk"};

struct QmMessage
{
    QByteArray context;
    QByteArray source;
    QByteArray comment;
    QString translation;
    int translations = 0;
};

struct QmFile
{
    std::vector<quint8> sections;
    std::vector<QmMessage> messages;
    QString error;
};

quint32 be32(const char* p)
{
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(p));
}

// Reads the published .qm layout: a 16-byte magic, then sections of
// tag (1 byte), length (4 bytes, big-endian) and payload.
QmFile parseQm(const QByteArray& data)
{
    static const uchar kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                     0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    QmFile qm;
    if (data.size() < 16 || memcmp(data.constData(), kMagic, 16) != 0) {
        qm.error = "bad magic";
        return qm;
    }
    const char* p = data.constData() + 16;
    const char* const end = data.constData() + data.size();
    while (p < end) {
        if (end - p < 5) {
            qm.error = "truncated section header";
            return qm;
        }
        const quint8 tag = static_cast<quint8>(*p);
        const quint32 len = be32(p + 1);
        p += 5;
        if (static_cast<quint64>(end - p) < len) {
            qm.error = "truncated section";
            return qm;
        }
        qm.sections.push_back(tag);
        if (tag == 0x69) {
            const char* m = p;
            const char* const mend = p + len;
            QmMessage msg;
            while (m < mend) {
                const quint8 t = static_cast<quint8>(*m++);
                if (t == 1) { // end of message
                    qm.messages.push_back(msg);
                    msg = QmMessage();
                    continue;
                }
                if (mend - m < 4) {
                    qm.error = "truncated message field";
                    return qm;
                }
                const quint32 flen = be32(m);
                m += 4;
                if (t == 3 && flen == 0xffffffffu) { // null translation
                    ++msg.translations;
                    continue;
                }
                if (static_cast<quint64>(mend - m) < flen) {
                    qm.error = "truncated message data";
                    return qm;
                }
                const QByteArray field(m, static_cast<int>(flen));
                m += flen;
                switch (t) {
                case 3: {
                    QString s(static_cast<int>(flen / 2), Qt::Uninitialized);
                    for (int i = 0; i < s.size(); ++i) {
                        s[i] = QChar(qFromBigEndian<quint16>(
                            reinterpret_cast<const uchar*>(field.constData()) + 2 * i));
                    }
                    msg.translation = s;
                    ++msg.translations;
                    break;
                }
                case 6:
                    msg.source = field;
                    break;
                case 7:
                    msg.context = field;
                    break;
                case 8:
                    msg.comment = field;
                    break;
                default:
                    qm.error = QString("unexpected message tag %1").arg(t);
                    return qm;
                }
            }
        }
        p += len;
    }
    return qm;
}

// Placeholders and escapes that must survive translation unchanged.
QStringList markers(const QString& text)
{
    static const QRegularExpression re(
        R"(%\d+|%n|%[-+ #0]*\d*(?:\.\d+)?(?:hh|h|ll|l|L|z|j|t)?[diouxXeEfgGcsp]|\\n|\\t)");
    QStringList found;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured(0);
    }
    // %1 and %2 may swap places where grammar needs it; printf forms may not.
    QStringList numbered, ordered;
    for (const QString& m : found) {
        (QRegularExpression(R"(^%\d+$)").match(m).hasMatch() ? numbered : ordered) << m;
    }
    numbered.sort();
    return ordered + numbered;
}

class TranslationsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char arg0[] = "translations_test";
        static char* argv[] = {arg0, nullptr};
        if (!QCoreApplication::instance()) {
            new QCoreApplication(argc, argv);
        }
        qInitResources_texts();
        StrTable::InitStrTable();
    }

    static QSet<QByteArray> distinctTexts()
    {
        QSet<QByteArray> texts;
        for (int id = 0; id < StrTable::kCount; ++id) {
            texts.insert(QByteArray(StrTable::stab[id]));
        }
        return texts;
    }

    static QmFile load(const char* code)
    {
        QFile f(QString(":/%1.qm").arg(code));
        if (!f.open(QIODevice::ReadOnly)) {
            QmFile missing;
            missing.error = "resource missing";
            return missing;
        }
        return parseQm(f.readAll());
    }
};

TEST_F(TranslationsTest, EveryCatalogueTranslatesExactlyTheTableTexts)
{
    const QSet<QByteArray> texts = distinctTexts();
    ASSERT_EQ(texts.size(), 600);

    for (const char* code : kLanguages) {
        SCOPED_TRACE(code);
        const QmFile qm = load(code);
        ASSERT_TRUE(qm.error.isEmpty()) << qm.error.toStdString();

        // Hash table and messages only: no language tag, plural rules or
        // dependencies.
        EXPECT_EQ(qm.sections, (std::vector<quint8>{0x42, 0x69}));

        QSet<QByteArray> sources;
        for (const QmMessage& m : qm.messages) {
            const QString source = QString::fromUtf8(m.source);
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_EQ(m.context, "global");
            EXPECT_TRUE(m.comment.isEmpty());
            EXPECT_EQ(m.translations, 1);
            EXPECT_FALSE(m.translation.trimmed().isEmpty());
            EXPECT_EQ(markers(m.translation), markers(source));
            if (qstrcmp(code, "enu") == 0) {
                EXPECT_EQ(m.translation, source);
            }
            EXPECT_FALSE(sources.contains(m.source)) << "duplicate message";
            sources.insert(m.source);
        }
        EXPECT_EQ(qm.messages.size(), 600u);
        EXPECT_EQ(sources, texts);
    }
}

TEST_F(TranslationsTest, EveryTableTextResolvesThroughTheInstalledTranslator)
{
    for (const char* code : kLanguages) {
        SCOPED_TRACE(code);
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString(":/%1.qm").arg(code)));
        ASSERT_FALSE(translator.isEmpty());
        for (int id = 0; id < StrTable::kCount; ++id) {
            const QString t = translator.translate("global", StrTable::stab[id]);
            EXPECT_FALSE(t.isEmpty()) << "id " << id;
        }
    }
}

TEST_F(TranslationsTest, LauncherTextsAreExact)
{
    struct Row
    {
        const char* code;
        const char* ready;
        const char* initializing;
    };
    const Row rows[] = {
        {"chs", "Halvenor Drive 已就绪。", "Halvenor Drive 正在初始化..."},
        {"cht", "Halvenor Drive 準備完成", "Halvenor Drive 準備中..."},
        {"csy", "Halvenor Drive je připravena.", "Halvenor Drive se inicializuje..."},
        {"dan", "Halvenor Drive er klar.", "Halvenor Drive initialiserer..."},
        {"enu", "Halvenor Drive is ready.", "Halvenor Drive is initializing..."},
        {"fre", "Halvenor Drive est prêt.", "Halvenor Drive est en cours d'initialisation..."},
        {"ger", "Halvenor Drive ist bereit.", "Halvenor Drive wird initialisiert ..."},
        {"hun", "A Halvenor Drive készen áll.", "A Halvenor Drive inicializálása folyamatban..."},
        {"ita", "Halvenor Drive pronta.", "Halvenor Drive sta inizializzando..."},
        {"jpn", "Halvenor Drive は準備完了です。", "Halvenor Drive は初期化中です。"},
        {"krn", "Halvenor Drive 사용 준비가 되었습니다.", "Halvenor Drive 초기화 중..."},
        {"nld", "Halvenor Drive is gereed.", "Halvenor Drive is bezig met initialisatie..."},
        {"nor", "Halvenor Drive er klar.", "Halvenor Drive starter opp..."},
        {"plk", "Aplikacja Halvenor Drive jest gotowa.",
         "Aplikacja Halvenor Drive jest inicjowana..."},
        {"ptb", "O Halvenor Drive está pronto.", "O Halvenor Drive está sendo inicializado..."},
        {"ptg", "Halvenor Drive pronta.", "Halvenor Drive a iniciar..."},
        {"rus", "Halvenor Drive готов.", "Halvenor Drive выполняет инициализацию..."},
        {"spn", "Halvenor Drive está lista.", "Halvenor Drive se está inicializando..."},
        {"sve", "Halvenor Drive är klar.", "Halvenor Drive initialiserar..."},
        {"trk", "Halvenor Drive hazır.", "Halvenor Drive başlıyor..."},
    };
    ASSERT_EQ(std::size(rows), std::size(kLanguages));

    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString(":/%1.qm").arg(row.code)));
        QCoreApplication::installTranslator(&translator);
        EXPECT_EQ(StrTable::LoadStr(35), QString("Halvenor Drive"));
        EXPECT_EQ(StrTable::LoadStr(107), QString::fromUtf8(row.ready));
        EXPECT_EQ(StrTable::LoadStr(109), QString::fromUtf8(row.initializing));
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
