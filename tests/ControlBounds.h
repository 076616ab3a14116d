#pragma once
// Checks that a window's controls can be seen whole whatever fonts the machine has: no
// control past the right edge of its page (or of whatever holds it), no monospaced face, and
// number edits wide enough for their digits.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTabBar>
#include <QWidget>

#include <string>
#include <vector>

namespace controlbounds {

// A control draws its own inside: its children are its parts, not controls of their own.
// (A scroll area only holds controls.)
inline bool IsControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QLabel*>(w) || qobject_cast<const QComboBox*>(w) ||
           (qobject_cast<const QAbstractScrollArea*>(w) && !qobject_cast<const QScrollArea*>(w)) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
           qobject_cast<const QTabBar*>(w) || w->inherits("TMBarGraph");
}

inline std::string NameOf(const QWidget* w)
{
    const QString name = w->objectName();
    const QString text = qobject_cast<const QAbstractButton*>(w)
                             ? static_cast<const QAbstractButton*>(w)->text()
                         : qobject_cast<const QLabel*>(w) ? static_cast<const QLabel*>(w)->text()
                                                          : QString();
    return (name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) + " \"" + text + "\""
                           : name)
        .toStdString();
}

// Every visible widget under root, the parts of controls left out.
inline std::vector<QWidget*> VisibleWidgets(QWidget* root)
{
    std::vector<QWidget*> out;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        bool part = false;
        for (QWidget* a = w->parentWidget(); a && a != root && !part; a = a->parentWidget())
            part = IsControl(a);
        if (!part)
            out.push_back(w);
    }
    return out;
}

inline QRect GlobalRect(const QWidget* w)
{
    return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}

// The visible controls and groups under root that reach past the right edge of anything that
// holds them (their group, their page, root itself) or of view (the part of the window that
// shows root, as a scroll area's viewport), where such a control is cut off.
inline std::vector<std::string> PastRightEdge(QWidget* root, const QWidget* view = nullptr)
{
    std::vector<std::string> out;
    for (QWidget* w : VisibleWidgets(root)) {
        int limit = GlobalRect(root).right();
        if (view)
            limit = std::min(limit, GlobalRect(view).right());
        for (QWidget* a = w->parentWidget(); a && a != root; a = a->parentWidget())
            limit = std::min(limit, GlobalRect(a).right());
        if (GlobalRect(w).right() > limit)
            out.push_back(NameOf(w) + " ends at " + std::to_string(GlobalRect(w).right()) +
                          ", past " + std::to_string(limit));
    }
    return out;
}

// The widgets under root, shown or not, whose font resolves to a monospaced face.
inline std::vector<std::string> Monospaced(QWidget* root)
{
    std::vector<std::string> out;
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.push_back(root);
    for (QWidget* w : all)
        if (QFontInfo(w->font()).fixedPitch())
            out.push_back(NameOf(w) + ": " + QFontInfo(w->font()).family().toStdString());
    return out;
}

// Whether the edit shows text whole: with the cursor after its last character, the first
// one still shows at the left. The edit's own text is put back.
inline bool ShowsWhole(QLineEdit* edit, const QString& text)
{
    const QString own = edit->text();
    edit->setText(text);
    edit->end(false);
    edit->grab();  // the edit scrolls its text when it paints
    const bool whole =
        edit->cursorPositionAt(QPoint(edit->contentsRect().left() + 3, edit->height() / 2)) == 0;
    edit->setText(own);
    return whole;
}

}  // namespace controlbounds
