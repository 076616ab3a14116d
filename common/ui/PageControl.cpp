#include "PageControl.h"

#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), stack_(new QStackedWidget(this)), empty_(new QWidget)
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
    connect(tabs_, &QTabBar::tabBarClicked, this, &PageControl::onTabClicked);
}

QWidget* PageControl::addPage(const QString& objectName, const QString& caption)
{
    auto* w = new QWidget;
    w->setObjectName(objectName);
    stack_->addWidget(w);
    pages_.push_back({w, caption, true});
    rebuildTabs();
    return w;
}

QWidget* PageControl::page(int index) const
{
    return index >= 0 && index < pageCount() ? pages_[static_cast<std::size_t>(index)].widget : nullptr;
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
    rebuildTabs();
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
    // Making the active page active again (every reply does so for the header) rebuilds
    // nothing while the tabs and the content already show it.
    if (page == active_ && tabs_->currentIndex() == tabIndexOf(page) && stack_->currentWidget() == (page ? page : empty_))
        return;
    active_ = page;
    rebuildTabs();
}

int PageControl::tabIndexOf(const QWidget* page) const
{
    for (std::size_t tab = 0; tab < tabToPage_.size(); ++tab)
        if (pages_[static_cast<std::size_t>(tabToPage_[tab])].widget == page)
            return static_cast<int>(tab);
    return -1;
}

void PageControl::rebuildTabs()
{
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    tabToPage_.clear();
    int current = -1;
    for (int i = 0; i < pageCount(); ++i) {
        const Page& p = pages_[static_cast<std::size_t>(i)];
        if (!p.tabVisible)
            continue;
        if (p.widget == active_)
            current = static_cast<int>(tabToPage_.size());
        tabs_->addTab(p.caption);
        tabToPage_.push_back(i);
    }
    tabs_->setVisible(!tabToPage_.empty());
    // The tab bar tells its new size only while it is on screen; a page control built or
    // changed before its window shows would keep the empty bar's height otherwise.
    tabs_->updateGeometry();
    // With the active page's tab hidden, no tab looks selected.
    tabs_->setCurrentIndex(current);
    stack_->setCurrentWidget(active_ ? active_ : empty_);
}

void PageControl::onTabClicked(int tabIndex)
{
    if (tabIndex < 0 || tabIndex >= static_cast<int>(tabToPage_.size()))
        return;
    QWidget* page = pages_[static_cast<std::size_t>(tabToPage_[static_cast<std::size_t>(tabIndex)])].widget;
    if (page == active_)
        return;
    setActivePage(page);
    emit userChanged();
}
