#include "oskavel_locale.h"

#include <QLocale>

OskavelLocale* OskavelLocale::getInstance()
{
    static OskavelLocale instance;
    return &instance;
}

OskavelLocale::OskavelLocale() : defaultLanguage(QStringLiteral("enu"))
{
    // German, French and Spanish map to the names of their translation files,
    // so that these systems find :/ger.qm, :/fre.qm and :/spn.qm.
    languageMap.insert(QStringLiteral("en"), QStringLiteral("enu"));
    languageMap.insert(QStringLiteral("ja"), QStringLiteral("jpn"));
    languageMap.insert(QStringLiteral("de"), QStringLiteral("ger"));
    languageMap.insert(QStringLiteral("ko"), QStringLiteral("krn"));
    languageMap.insert(QStringLiteral("fr"), QStringLiteral("fre"));
    languageMap.insert(QStringLiteral("it"), QStringLiteral("ita"));
    languageMap.insert(QStringLiteral("es"), QStringLiteral("spn"));
    languageMap.insert(QStringLiteral("ru"), QStringLiteral("rus"));
    languageMap.insert(QStringLiteral("da"), QStringLiteral("dan"));
    languageMap.insert(QStringLiteral("no"), QStringLiteral("nor"));
    languageMap.insert(QStringLiteral("nb"), QStringLiteral("nor"));
    languageMap.insert(QStringLiteral("nn"), QStringLiteral("nor"));
    languageMap.insert(QStringLiteral("sv"), QStringLiteral("sve"));
    languageMap.insert(QStringLiteral("nl"), QStringLiteral("nld"));
    languageMap.insert(QStringLiteral("pl"), QStringLiteral("plk"));
    languageMap.insert(QStringLiteral("hu"), QStringLiteral("hun"));
    languageMap.insert(QStringLiteral("tr"), QStringLiteral("trk"));
    languageMap.insert(QStringLiteral("cs"), QStringLiteral("csy"));
}

QString OskavelLocale::getDefaultLanguage() const
{
    return getLanguageByLocale(QLocale::system().name().toLower());
}

QString OskavelLocale::getLanguageByLocale(const QString& locale) const
{
    const QString prefix = locale.section(QLatin1Char('_'), 0, 0);
    // Portuguese and Chinese depend on the territory, so they see the whole name.
    if (prefix == QLatin1String("pt")) {
        return getPortugueseLanguage(locale);
    }
    if (prefix == QLatin1String("zh")) {
        return getChineseLanguage(locale);
    }
    const auto it = languageMap.constFind(prefix);
    if (it != languageMap.constEnd()) {
        return it.value();
    }
    return defaultLanguage;
}

QString OskavelLocale::getPortugueseLanguage(const QString& locale) const
{
    if (locale == QLatin1String("pt") || locale == QLatin1String("pt_pt")) {
        return QStringLiteral("ptg");
    }
    return QStringLiteral("ptb");
}

QString OskavelLocale::getChineseLanguage(const QString& locale) const
{
    if (locale == QLatin1String("zh_tw") || locale == QLatin1String("zh_hk") ||
        locale == QLatin1String("zh_mo")) {
        return QStringLiteral("cht");
    }
    return QStringLiteral("chs");
}

void OskavelLocale::setLanguageMap(QString prefix, QString code)
{
    languageMap.insert(prefix, code);
}
