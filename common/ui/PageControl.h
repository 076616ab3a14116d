#pragma once
#include <QWidget>

#include <vector>

class QStackedWidget;
class QTabBar;

namespace qs {

// A page control whose tabs can be hidden while a page stays selectable from code.
// - A hidden tab's page can still be made the active page; its content then shows with no
//   tab selected.
// - Hiding the active page's tab moves the selection to the next visible tab, or to no page
//   at all; with no active page no page content shows.
// - The user changes the page by clicking a tab, by Left / Right on the focused tab bar, by
//   Ctrl+Tab / Ctrl+Shift+Tab or Ctrl+PgDn / Ctrl+PgUp anywhere in the control (wrapping
//   round), and by the mouse wheel over the tab bar. Each of these shows the page whose tab
//   is highlighted and emits userChanged() once; hidden tabs are skipped.
// - Changes made from code (setActivePage, hiding tabs) emit nothing.
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

    // Whether the control asks for the room of the page it shows (on): a scroll area round
    // it then scrolls as far as that page reaches. Off (at start), it asks for the room of
    // its largest page, whichever it shows.
    void setSizeFollowsActivePage(bool on);

signals:
    void userChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Page {
        QWidget* widget;
        bool tabVisible;
    };
    // Shows the active page and selects its tab (or the "no page" tab) without signals.
    void showActive();
    // Shows the active page's content, and asks for its room where the size follows it.
    void showContent();
    // The tab the tab bar selects for the active page: its own, or the "no page" tab.
    int selectedTab() const;
    // The user moved the tab bar's selection: its page becomes the active one.
    void onCurrentChanged(int index);
    // The user steps to the next (+1) or previous (-1) visible tab, round from the last to
    // the first when wrap is set. Answers whether there was a tab to step to.
    bool step(int direction, bool wrap);

    // One tab per page, in page order, hidden with their pages; one more, always hidden and
    // without caption, is the selection while no page with a visible tab is active.
    QTabBar* tabs_;
    QStackedWidget* stack_;
    QWidget* empty_;
    std::vector<Page> pages_;
    QWidget* active_ = nullptr;
    int wheelRest_ = 0;  // wheel turn not yet used up by a step (in eighths of a degree)
    bool sizeFollowsActive_ = false;
};

}  // namespace qs
