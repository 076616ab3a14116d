#include "EntriesLabel.h"

#include <QPainter>
#include <QStyle>

namespace qs {

namespace {
const QString kEllipsis = QStringLiteral("…");
}  // namespace

EntriesLabel::EntriesLabel(QWidget* parent, QChar separator) : QLabel(parent), separator_(separator)
{
}

QString EntriesLabel::ShownPart(const QString& text, const QFontMetrics& metrics, int width,
                                QChar separator)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // The longest tail that starts at an entry's separator and fits behind the ellipsis; the
    // newest entry alone where not even the tail of two fits.
    qsizetype from = text.lastIndexOf(separator);
    for (qsizetype at = from; at > 0; at = text.lastIndexOf(separator, at - 1)) {
        // Separators in a row are one gap: the entry starts at the first of them.
        if (text.at(at - 1) == separator)
            continue;
        if (metrics.horizontalAdvance(kEllipsis + text.mid(at)) > width)
            break;
        from = at;
    }
    return from <= 0 ? text : kEllipsis + text.mid(from);
}

QString EntriesLabel::ShownText() const
{
    return ShownPart(text(), fontMetrics(), contentsRect().width() - 2 * margin(), separator_);
}

QSize EntriesLabel::minimumSizeHint() const
{
    // The label gives way to its neighbours: it leaves out entries rather than widening.
    return {0, QLabel::minimumSizeHint().height()};
}

void EntriesLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, room,
                          static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), ShownText(), foregroundRole());
}

}  // namespace qs
