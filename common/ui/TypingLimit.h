#pragma once
#include <QObject>

class QLineEdit;

namespace qs {

// A character limit that applies to typing and pasting only: text set by code is never cut
// (QLineEdit::setMaxLength would cut it). A key or paste that would make the text longer
// than the limit is dropped; keys that delete or move always pass.
class TypingLimit : public QObject {
    Q_OBJECT
public:
    static void Install(QLineEdit* edit, int maxLength);
    int maxLength() const { return max_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TypingLimit(QLineEdit* edit, int maxLength);
    QLineEdit* edit_;
    int max_;
};

}  // namespace qs
