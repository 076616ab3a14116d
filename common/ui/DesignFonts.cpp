#include "DesignFonts.h"

#include <QFont>
#include <QFontDatabase>

namespace designfonts {

QString SansFamily()
{
    const QString liberation = QStringLiteral("Liberation Sans");
    return QFontDatabase::hasFamily(liberation) ? liberation : QStringLiteral("DejaVu Sans");
}

void Install()
{
    const QString family = SansFamily();
    for (const char* design : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitution(QString::fromLatin1(design), family);
}

}  // namespace designfonts
