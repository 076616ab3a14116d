#include "ComboIndex.h"

#include <QComboBox>

void SetComboIndex(QComboBox* combo, int index)
{
    if (!combo)
        return;
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}
