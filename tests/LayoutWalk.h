#pragma once
// A walk of every visible control of a window, as it stands, for what a machine's fonts can
// spoil: a control past its parent's edge, a text its control cuts, an edit narrower than
// the program's design gives it, a number edit too narrow for its digits.
//
// What the walk leaves out, and why:
// - combo boxes and tab bars: they size themselves to their items and captions;
// - memos, images and bar graphs: they draw no caption (a memo wraps or scrolls its text, a
//   bar graph places its own text inside or beside the bar);
// - labels of a picture, and the toolkit's inner parts of a control (a scroll bar's arrows);
// - the bottom edge of a control that scrolls with its page (the page scrolls to it);
// - an edit's typed text: an edit scrolls what it holds; its digits are checked instead.
#include "common/ui/EntriesLabel.h"
#include "common/ui/TypingLimit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

#include <span>
#include <sstream>
#include <string>
#include <vector>

namespace layoutwalk {

// A control's path of objectNames within its window, for failure messages.
inline std::string NameOf(const QWidget* w)
{
    std::string path;
    for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget()) {
        const QString n = p->objectName().isEmpty()
                              ? QString::fromLatin1(p->metaObject()->className())
                              : p->objectName();
        path = n.toStdString() + (path.empty() ? "" : "/" + path);
    }
    return path;
}

// The visible controls of a window, its own (the dialogs a window owns are windows of their
// own and are walked on their own), without the toolkit's inner parts.
inline std::vector<QWidget*> VisibleControls(QWidget* window)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (w->parentWidget() &&
            w->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea_")) &&
            w->parentWidget()->objectName() != QLatin1String("qt_scrollarea_viewport"))
            continue;  // a scroll bar's container
        controls.push_back(w);
    }
    return controls;
}

// The viewport of the scroll area a control stands in, if any.
inline QWidget* ScrollViewOf(const QWidget* w)
{
    for (QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (p->objectName() == QLatin1String("qt_scrollarea_viewport"))
            return p;
    return nullptr;
}

// How many pixels a control's text needs beyond the text itself, and the text it shows; -1
// for a control without a caption of its own on one line.
inline int TextRoom(const QWidget* w, QString& text)
{
    if (auto* e = qobject_cast<const qs::EntriesLabel*>(w)) {
        text = e->ShownText();
        return e->margin() * 2;
    }
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap() || !l->pixmap().isNull())
            return -1;
        text = l->text();
        return l->margin() * 2 + std::max(0, l->indent());
    }
    if (auto* c = qobject_cast<const QCheckBox*>(w)) {
        text = c->text();
        return c->sizeHint().width() - c->fontMetrics().horizontalAdvance(text);
    }
    if (auto* r = qobject_cast<const QRadioButton*>(w)) {
        text = r->text();
        return r->sizeHint().width() - r->fontMetrics().horizontalAdvance(text);
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        text = b->text();
        return 2;  // clear of the frame's lines
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        text = g->title();
        return 8;
    }
    return -1;
}

// The digits a number edit was made to show: its typing limit, or a scaled value's five
// digits and separator where it has none; 0 for a text edit.
inline int DesignDigits(const QLineEdit* e)
{
    for (QObject* child : e->children())
        if (auto* limit = qobject_cast<qs::TypingLimit*>(child))
            return limit->maxLength() <= 6 ? limit->maxLength() : 0;
    return 6;
}

// An edit's design width: the edit of that name, or of that name followed by a limit
// output's number ("Edit_uSecL" stands for Edit_uSecL1 .. Edit_uSecL4).
struct EditWidth {
    const char* name;
    int width;
};

inline const EditWidth* DesignWidthOf(const QLineEdit* e, std::span<const EditWidth> widths)
{
    const QString name = e->objectName();
    for (const EditWidth& w : widths) {
        const QString n = QString::fromLatin1(w.name);
        if (name == n || (name.size() == n.size() + 1 && name.startsWith(n) &&
                          name.back() >= QLatin1Char('1') && name.back() <= QLatin1Char('4')))
            return &w;
    }
    return nullptr;
}

// Every fault of the window's layout as it stands: a control past its parent's edges (the
// bottom edge too where bottomsToo says so and the control does not scroll with its page), a
// control past the right edge of the view its page scrolls in, a text its control cuts, a
// wrapped text taller than its label, an edit narrower than its design width or without one,
// a number edit too narrow for its digits.
inline std::vector<std::string> Faults(QWidget* window, std::span<const EditWidth> editWidths,
                                       bool bottomsToo = true)
{
    std::vector<std::string> faults;
    for (QWidget* w : VisibleControls(window)) {
        const QWidget* parent = w->parentWidget();
        const QRect g = w->geometry();
        std::ostringstream fault;
        const bool scrolled = parent->objectName() == QLatin1String("qt_scrollarea_viewport");
        if (g.x() < 0 || g.x() + g.width() > parent->width())
            fault << "x " << g.x() << ".." << g.x() + g.width() << " in " << parent->width()
                  << "; ";
        // Within the view a page scrolls in, too (the page control must not outgrow it).
        if (auto* view = ScrollViewOf(w)) {
            const int right = w->mapTo(view, QPoint(w->width(), 0)).x();
            const bool parentPast =
                parent != view &&
                parent->mapTo(view, QPoint(parent->width(), 0)).x() > view->width();
            if (right > view->width() && !parentPast)
                fault << "past the view's right edge (" << right << " in " << view->width()
                      << "); ";
        }
        if (bottomsToo && !scrolled && (g.y() < 0 || g.y() + g.height() > parent->height()))
            fault << "y " << g.y() << ".." << g.y() + g.height() << " in " << parent->height()
                  << "; ";
        QString text;
        const int room = TextRoom(w, text);
        const QString plain = QString(text).remove(QLatin1Char('&'));
        if (room >= 0 && !plain.isEmpty() &&
            w->fontMetrics().horizontalAdvance(plain) + room > w->width())
            fault << "cuts \"" << plain.toStdString() << "\" ("
                  << w->fontMetrics().horizontalAdvance(plain) + room << " in " << w->width()
                  << "); ";
        if (auto* l = qobject_cast<QLabel*>(w);
            l && l->wordWrap() && l->heightForWidth(l->width()) > l->height())
            fault << "wraps to " << l->heightForWidth(l->width()) << " px in " << l->height()
                  << "; ";
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (const EditWidth* design = DesignWidthOf(e, editWidths); !design)
                fault << "edit without a design width (" << e->width() << "); ";
            else if (e->width() < design->width)
                fault << "edit " << e->width() << " px, narrower than its " << design->width
                      << "; ";
            if (DesignDigits(e) > 0) {
                const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
                const int digits =
                    e->fontMetrics().horizontalAdvance(QString(DesignDigits(e), QLatin1Char('0')));
                if (digits + 2 * frame + 4 > e->width())
                    fault << "edit too narrow for " << DesignDigits(e) << " digits; ";
            }
        }
        if (!fault.str().empty())
            faults.push_back(NameOf(w) + ": " + fault.str());
    }
    return faults;
}

inline std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& l : lines)
        all += l + "\n";
    return all;
}

}  // namespace layoutwalk
