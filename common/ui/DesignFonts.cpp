#include "DesignFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

namespace qs {

namespace designfonts {

QString SansFamily()
{
    const QString liberation = QStringLiteral("Liberation Sans");
    return QFontDatabase::hasFamily(liberation) ? liberation : QStringLiteral("DejaVu Sans");
}

QFont WindowFont(const QString& family)
{
    QFont font(family);
    font.setPixelSize(11);
    return font;
}

void Install()
{
    const QString family = SansFamily();
    for (const char* design : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitution(QString::fromLatin1(design), family);
    // A window that names no face takes the application's (not its owner's), and the
    // platform's default face may resolve to a monospaced one where few fonts are installed.
    QFont base = QGuiApplication::font();
    base.setFamilies({family});
    QGuiApplication::setFont(base);
}

}  // namespace designfonts

}  // namespace qs
