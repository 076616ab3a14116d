#pragma once
#include <QLineEdit>
#include <QObject>

#include <array>

namespace ombrik {

// "TabSheet3", the developer page: the header and data of a hand-made request. Its nine
// edits are kept in the settings file.
class DeveloperPage : public QObject {
    Q_OBJECT
public:
    explicit DeveloperPage(QWidget* sheet);

    // The nine edits in the settings file's order: Edit1 .. Edit8, Edit_InputText.
    std::array<QLineEdit*, 9> SettingsFileEdits() const;

    QLineEdit* Edit1 = nullptr;  // device type
    QLineEdit* Edit2 = nullptr;  // lowest version: year, month, day
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;  // highest version: year, month, day
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QLineEdit* Edit8 = nullptr;  // command code
    QLineEdit* Edit_InputText = nullptr;  // data bytes as decimal numbers
};

}  // namespace ombrik
