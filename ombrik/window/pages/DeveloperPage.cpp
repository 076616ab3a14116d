#include "DeveloperPage.h"

#include "PageSheet.h"
#include "ombrik/link/CommandTable.h"
#include "ombrik/session/MbuSession.h"
#include "common/numbers/TextNumber.h"
#include "common/ui/ControlBuilder.h"
#include "common/ui/NumberEdit.h"
#include "common/ui/TColor.h"

#include <QDate>
#include <QGridLayout>
#include <QSignalBlocker>

namespace ombrik {

using namespace qs;

using namespace build;

namespace {

// The preset captions, in the order of mbu::kDeveloperPresets.
constexpr const char* kPresetCaptions[] = {
    "FRAM1 írás",
    "FRAM1 olvasás",
    "Menü kerettel",
    "Menü cím = eSfNx16",
    "Mért érték kijelzése",
    "Menü Bal nyíl",
    "Összes ASCII font",
    "Menü Cím = 5x7 font",
    "Menü cím = eSfNx16 5 sor",
    "Mért érték kijelzés STOP",
    "Főmenü lekezelése",
};

// The data bytes' edit: its width on the design face's page, which no font family narrows.
constexpr int kInputTextWidth = 587;

}  // namespace

DeveloperPage::DeveloperPage(QWidget* sheet, MbuSession& session)
    : QWidget(sheet), session_(session)
{
    FillSheet(sheet, this);
    auto* grid = new QGridLayout(this);
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
        grid->addWidget(new QLabel(QString::fromUtf8(row.caption), this), r, 0);
        for (int i = 0; i < 3 && row.edits[i]; ++i) {
            *row.edits[i] = Named<QLineEdit>(this, row.names[i], QString::fromLatin1(row.text));
            (*row.edits[i])->setFixedWidth(60);
            grid->addWidget(*row.edits[i], r, 1 + i);
        }
        ++r;
    }
    // The count of data bytes changes with the text typed: it takes the room of the captions'
    // column and widens it never, so the edit beside it stays where it is.
    Label_InputSequence =
        Named<QLabel>(this, "Label_InputSequence", QStringLiteral("Adat bájtok:"));
    Label_InputSequence->setSizePolicy(QSizePolicy::Ignored,
                                       Label_InputSequence->sizePolicy().verticalPolicy());
    grid->addWidget(Label_InputSequence, r, 0);
    Edit_InputText = Named<QLineEdit>(this, "Edit_InputText", QStringLiteral("0"));
    Edit_InputText->setMinimumWidth(kInputTextWidth);
    grid->addWidget(Edit_InputText, r++, 1, 1, 4);
    Button1 = Named<QPushButton>(this, "Button1", QStringLiteral("Parancs küldés"));
    grid->addWidget(Button1, r++, 1, 1, 3);

    auto* presets = new QGridLayout;
    const auto& codes = mbu::kDeveloperPresets;
    for (std::size_t i = 0; i < presets_.size(); ++i) {
        const QByteArray name = "Button" + QByteArray::number(static_cast<int>(i) + 2);
        presets_[i] =
            Named<QPushButton>(this, name.constData(), QString::fromUtf8(kPresetCaptions[i]));
        presets->addWidget(presets_[i], static_cast<int>(i) / 3, static_cast<int>(i) % 3);
        connect(presets_[i], &QPushButton::clicked, this,
                [this, code = codes[i]] { PresetClick(code); });
    }
    grid->addLayout(presets, r++, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(r, 1);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Edit_InputText, &QLineEdit::textChanged, this, [this] { ParseInputText(); });
}

std::array<QLineEdit*, DeveloperPage::kSettingsFileEdits> DeveloperPage::SettingsFileEdits() const
{
    return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit_InputText};
}

std::array<QString, DeveloperPage::kSettingsFileEdits> DeveloperPage::SettingsFileTexts() const
{
    std::array<QString, kSettingsFileEdits> texts;
    const auto edits = SettingsFileEdits();
    for (std::size_t i = 0; i < edits.size(); ++i)
        texts[i] = edits[i]->text();
    return texts;
}

void DeveloperPage::LoadSettingsFileTexts(const std::array<QString, kSettingsFileEdits>& texts)
{
    const auto edits = SettingsFileEdits();
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const QSignalBlocker quiet(edits[i] == Edit_InputText ? edits[i] : nullptr);
        edits[i]->setText(texts[i]);
    }
    ParseInputText();
}

mbu::CalendarDate DeveloperPage::EditsToDate(const QLineEdit* year, const QLineEdit* month,
                                             const QLineEdit* day)
{
    const QDate now = QDate::currentDate();
    const mbu::CalendarDate today{now.year(), now.month(), now.day()};
    const auto y = TextToInt32(year->text().toStdString());
    const auto m = TextToInt32(month->text().toStdString());
    const auto d = TextToInt32(day->text().toStdString());
    if (!y || !m || !d)
        return today;
    return mbu::MakeDate(*y, *m, *d, today);
}

mbu::InputData DeveloperPage::ParseInputText()
{
    const mbu::InputData data = mbu::ParseInputText(Edit_InputText->text().toStdString());
    SetEditBackground(Edit_InputText, data.tooLong ? clRed : clWindow);
    Label_InputSequence->setText(QStringLiteral("Adat bájtok száma = ") +
                                 QString::number(data.bytes.size()));
    session_.PutHandMadeData(data);
    return data;
}

void DeveloperPage::Button1Click()
{
    const mbu::CalendarDate lowest = EditsToDate(Edit2, Edit3, Edit4);
    const mbu::CalendarDate highest = EditsToDate(Edit5, Edit6, Edit7);
    const std::int32_t command = EditToInt(Edit8);
    const std::int32_t device = EditToInt(Edit1);
    mbu::MBUFrame frame = session_.TxFrame();
    mbu::BuildManualTxHeader(frame, device, command, lowest, highest, ParseInputText());
    session_.SendHandMade(frame);
}

void DeveloperPage::PresetClick(std::uint8_t code)
{
    Edit8->setText(QString::number(code));
    Button1Click();
}

}  // namespace ombrik
