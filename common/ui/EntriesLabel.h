#pragma once
#include <QLabel>
#include <QString>

namespace qs {

// A label that shows a list of entries, the oldest first, each after a separator (" 131
// 123 217"), as far as its width allows. Where the whole list does not fit, the oldest
// entries are left out whole and an ellipsis stands in their place, so the newest entry
// always shows whole and no entry shows in part. text() stays the whole list.
class EntriesLabel : public QLabel {
    Q_OBJECT
public:
    explicit EntriesLabel(QWidget* parent = nullptr, QChar separator = QLatin1Char(' '));

    // What the label shows of its text at its present width.
    QString ShownText() const;
    // What a label of that font shows of the text within that many pixels.
    static QString ShownPart(const QString& text, const QFontMetrics& metrics, int width,
                             QChar separator = QLatin1Char(' '));

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QChar separator_;
};

}  // namespace qs
