#pragma once

#include <QString>

// The user-interface texts of the client suite, fetched by id and
// translated in the context "global".
class StrTable
{
public:
    static constexpr int kCount = 655;

    // Fills stab and ktab; calling it again writes the same values.
    static void InitStrTable();
    // The translated text of entry id, each backslash followed by n or t
    // turned into a line feed or a tab. Empty for an id outside 0..kCount-1
    // and before InitStrTable has run.
    static QString LoadStr(int id);
    // The first id whose key equals key ignoring ASCII case; -1 for none and
    // for the empty key.
    static int LookupStrID(QString key);

    static const char* stab[kCount];
    static const char* ktab[kCount];
};
