#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct NumberSeparators;

// A block of cells as spreadsheets put it on the clipboard: a row a line (CR LF, LF or CR; one empty last
// line dropped), fields at tabs and at nothing else, blanks around a field dropped, and a number written
// with thousands separators the way results are written stored without them.
struct PastedBlock
{
    QList<QStringList> rows;

    int height() const { return int(rows.size()); }
    // The longest line's field count.
    int width() const;
};

PastedBlock ParsePastedBlock(const QString& text, const NumberSeparators& separators);
