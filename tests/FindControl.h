#pragma once
// Controls found as the user and the program's design name them: by objectName. A test
// reaches a window's controls through these, never through the window's members.
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace findcontrol {

// The one control of that name and type within `root`'s own window: the dialogs a main window
// owns are windows of their own and are not searched. A missing or doubled name fails the test
// and answers nullptr.
template <class T = QWidget>
T* Find(const QWidget* root, const QString& name)
{
    if (!root) {
        ADD_FAILURE() << "no window to look for " << name.toStdString() << " in";
        return nullptr;
    }
    T* found = nullptr;
    int count = 0;
    for (T* child : root->findChildren<T*>(name))
        if (child->window() == root->window()) {
            found = child;
            ++count;
        }
    if (count != 1) {
        ADD_FAILURE() << count << " controls named " << name.toStdString() << " in "
                      << root->objectName().toStdString();
        return nullptr;
    }
    return found;
}

template <class T = QWidget>
T* Find(const QWidget* root, const char* name)
{
    return Find<T>(root, QString::fromUtf8(name));
}

}  // namespace findcontrol
