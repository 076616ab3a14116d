#pragma once
#include <QPlainTextEdit>
#include <QString>

#include "LabelText.h"

#include <functional>

namespace qs {

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
    // The text comes from `make`, which is called only when the text is looked at: at once
    // while the memo can be seen, else when it appears or Text() asks. A dump rewritten with
    // every reply is then not even made while its page is hidden. `make` must stay callable
    // until another text is set.
    void SetTextFrom(std::function<QString()> make);
    // The same, but nothing is made or set while `key` (the text's sources) is the key of
    // the text the memo has from the last such call.
    void SetTextFrom(std::function<QString()> make, const labeltext::Key& key);
    void Clear() { SetText(QString()); }
    // The text the memo shows, or will show as soon as it is visible.
    const QString& Text() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    mutable QString text_;
    mutable std::function<QString()> make_;  // the source of a text not made yet
    labeltext::Key key_;                     // the sources of the text, when it has a key
    bool keyed_ = false;
    bool stale_ = false;
};

}  // namespace qs
