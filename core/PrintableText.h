#pragma once

#include <QString>

// Text from outside the program (a server's answer, an address) made fit for a message: white
// space runs become one blank, characters that do not print become "?", and a text longer than
// `limit` characters is cut there and ends in "...".
QString printableExcerpt(const QString &text, qsizetype limit);
