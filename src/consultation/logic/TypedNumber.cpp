#include "consultation/logic/TypedNumber.h"

#include "platform/TextFunctions.h"

qint64 TypedNumber(const QString& typed)
{
    return WholeNumber(typed.normalized(QString::NormalizationForm_KC));
}
