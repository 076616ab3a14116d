#include "LabelText.h"

#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QStyle>
#include <QTextDocument>
#include <QLayout>
#include <QResizeEvent>

#include <unordered_map>

namespace qs {

namespace labeltext {

namespace {

struct Given {
    bool known = false;  // a key was remembered
    Key key;
    QString text;  // a label's text as it stood after the set: shared with the label's own
};

// Kept beside the controls rather than in them: a lookup by address is all a reply pays for
// a control that shows the same as before. An entry goes with its control.
std::unordered_map<const QObject*, Given>& Registry()
{
    static std::unordered_map<const QObject*, Given> given;
    return given;
}

Given& Entry(QObject* control)
{
    auto [it, added] = Registry().try_emplace(control);
    if (added)
        QObject::connect(control, &QObject::destroyed, [control] { Registry().erase(control); });
    return it->second;
}

// Stands in a layout for a label whose text changes with every frame: it asks the layout
// for the room the widest text takes and gives the label all of its own room, so the
// label's size is fixed and a new text only paints it again. A label of free size would
// have the layout of its page (and of the window around it) worked out anew each time.
class SizeKeeper final : public QWidget {
public:
    SizeKeeper(QLabel* label, QString widest)
        : QWidget(label->parentWidget()), label_(label), widest_(std::move(widest))
    {
        setSizePolicy(label->sizePolicy());
        if (QWidget* parent = parentWidget(); parent && parent->layout())
            delete parent->layout()->replaceWidget(label, this);
        label_->setParent(this);
        label_->move(0, 0);
        label_->show();
        label_->installEventFilter(this);
        Measure();
    }

    QSize sizeHint() const override { return hint_; }
    QSize minimumSizeHint() const override { return minimumHint_; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        label_->setFixedSize(size());
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && PaintsPlainText())
            return PaintText();
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            laidOut_.clear();
            Measure();
        }
        return false;
    }

private:
    // The label's hints with its widest text (or the one it has, if wider).
    void Measure()
    {
        label_->setMinimumSize(0, 0);
        label_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QString text = label_->text();
        label_->setText(widest_);
        hint_ = label_->sizeHint();
        minimumHint_ = label_->minimumSizeHint();
        label_->setText(text);
        hint_ = hint_.expandedTo(label_->sizeHint());
        minimumHint_ = minimumHint_.expandedTo(label_->minimumSizeHint());
        label_->setFixedSize(size().expandedTo(minimumHint_));
        updateGeometry();
    }

    // A one-line plain text without frame, margin or indent: painted from a text laid out
    // once (the label lays its text out again for every paint).
    bool PaintsPlainText() const
    {
        return label_->frameShape() == QFrame::NoFrame && label_->margin() == 0 &&
               label_->indent() <= 0 && !label_->wordWrap() &&
               label_->textFormat() != Qt::RichText &&
               (label_->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label_->text())) &&
               !label_->text().contains(QLatin1Char('\n')) &&
               !label_->text().contains(QLatin1Char('&'));
    }

    bool PaintText()
    {
        QPainter painter(label_);
        const QString text = label_->text();
        auto it = laidOut_.find(text);
        if (it == laidOut_.end()) {
            if (laidOut_.size() > 512)
                laidOut_.clear();
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), label_->font());
            it = laidOut_.insert(text, laid);
        }
        const QRectF r = label_->contentsRect();
        const QSizeF size = it->size();
        const Qt::Alignment align =
            QStyle::visualAlignment(label_->layoutDirection(), label_->alignment());
        qreal x = r.left();
        if (align & Qt::AlignRight)
            x = r.right() - size.width();
        else if (align & Qt::AlignHCenter)
            x = r.left() + (r.width() - size.width()) / 2;
        qreal y = r.top();
        if (align & Qt::AlignBottom)
            y = r.bottom() - size.height();
        else if (align & Qt::AlignVCenter)
            y = r.top() + (r.height() - size.height()) / 2;
        const QPalette::ColorGroup group =
            label_->isEnabled() ? QPalette::Active : QPalette::Disabled;
        painter.setPen(label_->palette().color(group, label_->foregroundRole()));
        painter.drawStaticText(QPointF(x, y), *it);
        return true;
    }

    QLabel* label_;
    QString widest_;
    QSize hint_;
    QSize minimumHint_;
    QHash<QString, QStaticText> laidOut_;  // the texts shown so far, laid out
};

}  // namespace

void KeepSize(QLabel* label, const QString& widest)
{
    new SizeKeeper(label, widest);
}

bool Shows(const QLabel* label, const Key& key)
{
    const auto it = Registry().find(label);
    // The label's text is still the very string that was set (not an equal one made again):
    // nothing else has set it since.
    return it != Registry().end() && it->second.known && it->second.key.Matches(key) &&
           label->text().isSharedWith(it->second.text);
}

void Remember(QLabel* label, const Key& key)
{
    Given& given = Entry(label);
    given.known = true;
    given.key = key;
    given.text = label->text();
}

bool Repeats(QObject* control, const Key& key)
{
    Given& given = Entry(control);
    const bool same = given.known && given.key.Matches(key);
    given.known = true;
    given.key = key;
    return same;
}

}  // namespace labeltext

}  // namespace qs
