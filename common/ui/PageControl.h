#pragma once
#include <QWidget>

#include <vector>

class QStackedWidget;
class QTabBar;

// A page control whose tabs can be hidden while a page stays selectable from code.
// - A hidden tab's page can still be made the active page; its content then shows with no
//   tab selected.
// - Hiding the active page's tab moves the selection to the next visible tab, or to no page
//   at all; with no active page no page content shows.
// - userChanged() is emitted only when the user picks a tab, never for changes from code.
class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Adds a page (a plain widget that holds the page's controls) with its tab caption.
    QWidget* addPage(const QString& objectName, const QString& caption);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    QWidget* page(int index) const;
    int indexOf(const QWidget* page) const;

    void setTabVisible(QWidget* page, bool visible);
    bool isTabVisible(const QWidget* page) const;
    int visibleTabCount() const;

    // The active page, nullptr when none is; content shows only for an active page.
    QWidget* activePage() const { return active_; }
    void setActivePage(QWidget* page);

signals:
    void userChanged();

private:
    struct Page {
        QWidget* widget;
        QString caption;
        bool tabVisible;
    };
    void rebuildTabs();
    // The tab showing the page, -1 when its tab is hidden (or it is none).
    int tabIndexOf(const QWidget* page) const;
    void onTabClicked(int tabIndex);

    QTabBar* tabs_;
    QStackedWidget* stack_;
    QWidget* empty_;
    std::vector<Page> pages_;
    std::vector<int> tabToPage_;
    QWidget* active_ = nullptr;
};
