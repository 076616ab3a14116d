#include "PageControl.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cstdlib>

namespace qs {

namespace {
// One notch of a usual mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;
}  // namespace

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), stack_(new QStackedWidget(this)),
      empty_(new QWidget)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_->setDrawBase(true);
    tabs_->setExpanding(false);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    stack_->setFrameShape(QFrame::StyledPanel);
    stack_->addWidget(empty_);
    tabs_->addTab(QString());  // the "no page" tab
    tabs_->installEventFilter(this);
    connect(tabs_, &QTabBar::currentChanged, this, &PageControl::onCurrentChanged);
    showActive();
}

QWidget* PageControl::addPage(const QString& objectName, const QString& caption)
{
    auto* w = new QWidget;
    w->setObjectName(objectName);
    stack_->addWidget(w);
    {
        const QSignalBlocker block(tabs_);
        tabs_->insertTab(pageCount(), caption);
    }
    pages_.push_back({w, true});
    showActive();
    return w;
}

QWidget* PageControl::page(int index) const
{
    return index >= 0 && index < pageCount() ? pages_[static_cast<std::size_t>(index)].widget
                                             : nullptr;
}

int PageControl::indexOf(const QWidget* page) const
{
    for (int i = 0; i < pageCount(); ++i)
        if (pages_[static_cast<std::size_t>(i)].widget == page)
            return i;
    return -1;
}

void PageControl::setTabVisible(QWidget* page, bool visible)
{
    const int i = indexOf(page);
    if (i < 0 || pages_[static_cast<std::size_t>(i)].tabVisible == visible)
        return;
    pages_[static_cast<std::size_t>(i)].tabVisible = visible;
    if (!visible && active_ == page) {
        // The selection moves to the next visible tab (searching forwards, then backwards).
        QWidget* next = nullptr;
        for (int j = i + 1; j < pageCount() && !next; ++j)
            if (pages_[static_cast<std::size_t>(j)].tabVisible)
                next = pages_[static_cast<std::size_t>(j)].widget;
        for (int j = i - 1; j >= 0 && !next; --j)
            if (pages_[static_cast<std::size_t>(j)].tabVisible)
                next = pages_[static_cast<std::size_t>(j)].widget;
        active_ = next;
    }
    showActive();
}

bool PageControl::isTabVisible(const QWidget* page) const
{
    const int i = indexOf(page);
    return i >= 0 && pages_[static_cast<std::size_t>(i)].tabVisible;
}

int PageControl::visibleTabCount() const
{
    int n = 0;
    for (const Page& p : pages_)
        n += p.tabVisible ? 1 : 0;
    return n;
}

void PageControl::setActivePage(QWidget* page)
{
    if (page && indexOf(page) < 0)
        return;
    // Making the active page active again (every reply does so for the header) changes
    // nothing while the tab bar and the content already show it.
    if (page == active_ && tabs_->currentIndex() == selectedTab() &&
        stack_->currentWidget() == (page ? page : empty_))
        return;
    active_ = page;
    showActive();
}

int PageControl::selectedTab() const
{
    return active_ && isTabVisible(active_) ? indexOf(active_) : pageCount();
}

void PageControl::showActive()
{
    const QSignalBlocker block(tabs_);
    for (int i = 0; i < pageCount(); ++i)
        tabs_->setTabVisible(i, pages_[static_cast<std::size_t>(i)].tabVisible);
    const int none = pageCount();
    tabs_->setTabVisible(none, false);
    // With no page active, or one whose tab is hidden, the "no page" tab is the current one
    // and no visible tab looks selected. (The tab bar draws its current tab even when it is
    // hidden, so a hidden page's own tab would show its caption.)
    tabs_->setCurrentIndex(selectedTab());
    tabs_->setVisible(visibleTabCount() > 0);
    // The tab bar tells its new size only while it is on screen; a page control built or
    // changed before its window shows would keep the empty bar's height otherwise.
    tabs_->updateGeometry();
    showContent();
}

void PageControl::setSizeFollowsActivePage(bool on)
{
    sizeFollowsActive_ = on;
    for (int i = 0; !on && i < stack_->count(); ++i)
        stack_->widget(i)->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    stack_->updateGeometry();
    showContent();
}

void PageControl::showContent()
{
    QWidget* shown = active_ ? active_ : empty_;
    if (!sizeFollowsActive_) {
        stack_->setCurrentWidget(shown);
        return;
    }
    // The pages not shown ask for no room: the stack takes the size of the one it shows. (The
    // page about to be hidden gives up its room while it still shows, so the layouts round it
    // learn of it.)
    for (int i = 0; i < stack_->count(); ++i) {
        QWidget* page = stack_->widget(i);
        const auto policy = page == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        page->setSizePolicy(policy, policy);
    }
    stack_->setCurrentWidget(shown);
    stack_->updateGeometry();
}

void PageControl::onCurrentChanged(int index)
{
    if (index < 0 || index >= pageCount())
        return;
    const Page& p = pages_[static_cast<std::size_t>(index)];
    if (p.widget == active_ || !p.tabVisible)
        return;
    active_ = p.widget;
    showContent();
    emit userChanged();
}

bool PageControl::step(int direction, bool wrap)
{
    const int n = pageCount();
    int i = active_ ? indexOf(active_) : (direction > 0 ? -1 : n);
    for (int tried = 0; tried < n; ++tried) {
        i += direction;
        if (i < 0 || i >= n) {
            if (!wrap)
                return false;
            i = i < 0 ? n - 1 : 0;
        }
        QWidget* w = pages_[static_cast<std::size_t>(i)].widget;
        if (w == active_)
            return false;
        if (pages_[static_cast<std::size_t>(i)].tabVisible) {
            tabs_->setCurrentIndex(i);  // runs onCurrentChanged as a click does
            return true;
        }
    }
    return false;
}

void PageControl::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    int direction = 0;
    if (mods & Qt::ControlModifier) {
        const bool shift = mods & Qt::ShiftModifier;
        switch (event->key()) {
        case Qt::Key_Tab:
            direction = shift ? -1 : 1;
            break;
        case Qt::Key_Backtab:
            direction = -1;
            break;
        case Qt::Key_PageDown:
            direction = 1;
            break;
        case Qt::Key_PageUp:
            direction = -1;
            break;
        default:
            break;
        }
    }
    // With no other tab to go to, an outer page control may take the key.
    if (direction == 0 || !step(direction, true))
        QWidget::keyPressEvent(event);
}

bool PageControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != tabs_)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // The tab bar's own arrow keys would stop on hidden tabs.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
            const bool forward = (key->key() == Qt::Key_Right) != tabs_->isRightToLeft();
            step(forward ? 1 : -1, false);
            return true;
        }
    } else if (event->type() == QEvent::Wheel) {
        // Each notch turned away from the user goes one tab back, towards the user one on; the
        // small turns of a fine wheel add up to a notch.
        const QPoint turn = static_cast<QWheelEvent*>(event)->angleDelta();
        const int delta = std::abs(turn.y()) >= std::abs(turn.x()) ? turn.y() : turn.x();
        if ((delta > 0) != (wheelRest_ > 0))
            wheelRest_ = 0;
        wheelRest_ += delta;
        while (std::abs(wheelRest_) >= kWheelNotch) {
            const int direction = wheelRest_ > 0 ? -1 : 1;
            wheelRest_ += direction * kWheelNotch;
            step(direction, false);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qs
