#pragma once
#include <QPlainTextEdit>
#include <QString>

// A read-only memo for text that is rewritten many times a second (the link monitor's frame
// dumps). Laying out a text document costs far more than anything else the window does on a
// reply, so the memo lays out only what can be seen: a text that has not changed is not set
// again, and while the memo is hidden the newest text is kept and shown when it appears.
class MemoText : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoText(QWidget* parent = nullptr);
    // A frame dump of the link monitors: named, a fixed height, the text wrapped at the
    // memo's width, in the window's font as every other control.
    static MemoText* Dump(QWidget* parent, const char* name, int height);

    void SetText(const QString& text);
    void Clear() { SetText(QString()); }
    // The text the memo shows, or will show as soon as it is visible.
    const QString& Text() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString text_;
    bool stale_ = false;
};
