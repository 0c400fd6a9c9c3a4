#pragma once

#include <QMap>
#include <QString>

// Turns the system locale into the three-letter language code of the suite;
// the code is also the base name of the built-in translation (":/" + code + ".qm").
class OskavelLocale
{
public:
    static OskavelLocale* getInstance();

    OskavelLocale();

    // The code for QLocale::system(), whose name is lower-cased first.
    QString getDefaultLanguage() const;
    // The code for a lower-case locale name such as "de_de", "pt" or "c".
    QString getLanguageByLocale(const QString& locale) const;
    // "ptg" for exactly "pt" or "pt_pt", "ptb" for anything else.
    QString getPortugueseLanguage(const QString& locale) const;
    // "cht" for exactly "zh_tw", "zh_hk" or "zh_mo", "chs" for anything else.
    QString getChineseLanguage(const QString& locale) const;
    // Adds the entry for prefix or replaces its code.
    void setLanguageMap(QString prefix, QString code);

private:
    QMap<QString, QString> languageMap;
    QString defaultLanguage;
};
