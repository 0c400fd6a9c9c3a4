#pragma once

#include <QString>

// The user-interface texts of the client suite, fetched by id and
// translated in the context "global".
class StrTable
{
public:
    static const int kCount = 655;

    static void InitStrTable();
    static QString LoadStr(int id);
    static int LookupStrID(QString key);

    static const char* stab[kCount];
    static const char* ktab[kCount];
};
