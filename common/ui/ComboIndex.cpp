#include "ComboIndex.h"

#include <QComboBox>

namespace qs {

void SetComboIndex(QComboBox* combo, int index)
{
    if (!combo)
        return;
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace qs
