#include "MemoText.h"

MemoText::MemoText(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
}

MemoText* MemoText::Dump(QWidget* parent, const char* name, int height)
{
    auto* memo = new MemoText(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setFixedHeight(height);
    return memo;
}

void MemoText::SetText(const QString& text)
{
    if (text == text_ && !stale_)
        return;
    text_ = text;
    stale_ = !isVisible();
    if (!stale_)
        setPlainText(text_);
}

void MemoText::showEvent(QShowEvent* event)
{
    if (stale_) {
        setPlainText(text_);
        stale_ = false;
    }
    QPlainTextEdit::showEvent(event);
}
