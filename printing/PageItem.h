#pragma once

#include <QString>
#include <QtGlobal>

// One drawing item of a prepared page. Coordinates are millimetres from the paper's top left
// corner; a line runs from (x, y) to (x + w, y + h). Items are small and flat so that a report
// of many thousand lines stays cheap to keep, paint and save.
struct PageItem
{
    enum Kind : quint8 { Text = 1, Line = 2, Rect = 3, Picture = 4 };

    Kind kind = Text;
    quint16 font = 0; // Text: index into PreparedReport::fonts
    quint16 flags = 0; // Text: Qt alignment flags
    quint16 penWidth = 0; // Line, Rect: width in hundredths of a millimetre; Rect: 0 draws no frame
    float x = 0;
    float y = 0;
    float w = 0;
    float h = 0;
    quint32 color = 0xff000000; // ARGB of the text, the line or the frame
    quint32 fill = 0; // ARGB of the background; alpha 0 leaves it transparent
    qint32 image = -1; // Picture: index into PreparedReport::images
    QString text;

    bool operator==(const PageItem &other) const = default;
};
