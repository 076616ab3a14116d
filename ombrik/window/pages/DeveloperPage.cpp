#include "DeveloperPage.h"

#include "ui/Named.h"

#include <QGridLayout>
#include <QLabel>

namespace ombrik {

DeveloperPage::DeveloperPage(QWidget* sheet) : QObject(sheet)
{
    auto* grid = new QGridLayout(sheet);
    struct Row {
        const char* caption;
        std::array<QLineEdit**, 3> edits;
        std::array<const char*, 3> names;
        const char* text;
    };
    const Row rows[] = {
        {"Device típus:", {&Edit1}, {"Edit1"}, "0"},
        {"Kívánt verziószám kezdet:", {&Edit2, &Edit3, &Edit4}, {"Edit2", "Edit3", "Edit4"}, "0"},
        {"Kívánt verziószám vég:", {&Edit5, &Edit6, &Edit7}, {"Edit5", "Edit6", "Edit7"}, "0"},
        {"Parancs:", {&Edit8}, {"Edit8"}, "1"},
    };
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(row.caption), sheet), r, 0);
        for (int i = 0; i < 3 && row.edits[i]; ++i) {
            *row.edits[i] = Named<QLineEdit>(sheet, row.names[i], QString::fromLatin1(row.text));
            (*row.edits[i])->setFixedWidth(60);
            grid->addWidget(*row.edits[i], r, 1 + i);
        }
        ++r;
    }
    grid->addWidget(new QLabel(QStringLiteral("Adat bájtok:"), sheet), r, 0);
    Edit_InputText = Named<QLineEdit>(sheet, "Edit_InputText", QStringLiteral("0"));
    grid->addWidget(Edit_InputText, r++, 1, 1, 4);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(r, 1);
}

std::array<QLineEdit*, 9> DeveloperPage::SettingsFileEdits() const
{
    return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit_InputText};
}

}  // namespace ombrik
