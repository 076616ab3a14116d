#include "MemoText.h"

namespace qs {

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
    make_ = nullptr;
    keyed_ = false;
    if (text == text_ && !stale_)
        return;
    text_ = text;
    stale_ = !isVisible();
    if (!stale_)
        setPlainText(text_);
}

void MemoText::SetTextFrom(std::function<QString()> make, const labeltext::Key& key)
{
    if (keyed_ && key.Matches(key_))
        return;
    SetTextFrom(std::move(make));
    key_ = key;
    keyed_ = true;
}

void MemoText::SetTextFrom(std::function<QString()> make)
{
    keyed_ = false;
    if (isVisible()) {
        SetText(make());
        return;
    }
    make_ = std::move(make);
    stale_ = true;
}

const QString& MemoText::Text() const
{
    if (make_) {
        text_ = make_();
        make_ = nullptr;
    }
    return text_;
}

void MemoText::showEvent(QShowEvent* event)
{
    if (stale_) {
        setPlainText(Text());
        stale_ = false;
    }
    QPlainTextEdit::showEvent(event);
}

}  // namespace qs
