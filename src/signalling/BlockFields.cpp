#include "signalling/BlockFields.h"

#include "memory/Conversions.h"
#include "memory/Errors.h"

#include <QCoreApplication>

namespace lumora {

namespace {
// The context these messages are translated in.
struct CodecTexts {
    Q_DECLARE_TR_FUNCTIONS(CodecTexts)
};
} // namespace

int WholeNumber(const QString &text, const QString &where, int max)
{
    const int value = InPlace(where, [&] { return StrToInt(text); });
    if (max >= 0)
        CheckFits(where, text, value, 0, max);
    return value;
}

int WholeQuotient(const QString &text, int divisor, const QString &where, int max)
{
    const int value = WholeNumber(text, where);
    if (max >= 0)
        CheckFits(where, text, value, 0, static_cast<qint64>(max) * divisor, divisor);
    if (value % divisor == 0)
        return value / divisor;
    EConvertError e(CodecTexts::tr("'%1' is not a valid integer value")
                            .arg(QString::number(static_cast<double>(value) / divisor, 'g', 15)));
    e.setDetail(where);
    throw e;
}

QString CellPlace(const QString &grid, int row, const QString &column)
{
    return CodecTexts::tr("%1, row %2, column \"%3\"").arg(grid).arg(row).arg(column);
}

} // namespace lumora
