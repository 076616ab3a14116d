#include "TypingLimit.h"
#include "InputRules.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace qs {

TypingLimit::TypingLimit(QLineEdit* edit, int maxLength)
    : QObject(edit), edit_(edit), max_(maxLength)
{
}

void TypingLimit::Install(QLineEdit* edit, int maxLength)
{
    edit->installEventFilter(new TypingLimit(edit, maxLength));
}

bool TypingLimit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_ || event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QString inserted;
    if (key->matches(QKeySequence::Paste))
        inserted = LineBreaksAsBlanks(QGuiApplication::clipboard()->text());  // as it lands
    else if (!key->text().isEmpty() && key->text().at(0).isPrint())
        inserted = key->text();
    if (inserted.isEmpty())
        return false;
    const qsizetype after = edit_->text().size() - edit_->selectedText().size() + inserted.size();
    return after > max_;  // dropped when it would grow past the limit
}

}  // namespace qs
