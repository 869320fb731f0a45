#include "calculator/SpokenSize.h"

namespace {

QString counted(int count, const QString& what)
{
    return QString::number(count) + u' ' + what + (count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString SpokenSize(int rows, int cols)
{
    return counted(rows, QStringLiteral("row")) + QStringLiteral(", ") + counted(cols, QStringLiteral("column"));
}
