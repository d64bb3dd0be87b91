#pragma once

#include <QList>
#include <QString>

// One item of a look-up list: the key that is stored and the text that is shown.
struct LookupEntry
{
    QString code;
    QString text;
};

using LookupList = QList<LookupEntry>;
