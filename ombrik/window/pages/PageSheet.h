#pragma once
#include <QVBoxLayout>
#include <QWidget>

namespace ombrik {

// A page's own widget filling the page control's sheet that shows it, edge to edge.
inline void FillSheet(QWidget* sheet, QWidget* page)
{
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
}

}  // namespace ombrik
