#include "calculator/PastedBlock.h"

#include "arithmetic/GroupedNumber.h"

#include <QRegularExpression>

#include <algorithm>

int PastedBlock::width() const
{
    qsizetype widest = 0;
    for (const QStringList& row : rows)
        widest = std::max(widest, row.size());
    return int(widest);
}

PastedBlock ParsePastedBlock(const QString& text, const NumberSeparators& separators)
{
    static const QRegularExpression LineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(LineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    PastedBlock block;
    block.rows.reserve(lines.size());
    for (const QString& line : lines) {
        QStringList fields = line.split(QLatin1Char('\t'));
        for (QString& field : fields)
            field = QString::fromStdString(WithoutThousandsSeparators(field.trimmed().toStdString(), separators));
        block.rows.append(fields);
    }
    return block;
}
